// The numbers of the family's texts that the code shares between its files,
// each named once here.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/arrangement.h"

namespace korain::text_id {

// Texts that shape the database file.
inline constexpr Long kCommentMarker = 3001;
inline constexpr Long kBlockBanner = 3002;
inline constexpr Long kVersionBanner = 3003;
inline constexpr Long kGeneralBanner = 3004;
inline constexpr Long kPanelsBanner = 3005;
inline constexpr Long kNodesBanner = 3006;
inline constexpr Long kCompartmentsBanner = 3010;
inline constexpr Long kCompartmentPartBanner = 3011;
inline constexpr Long kNameColumnTitle = 3101;
inline constexpr Long kCompartmentLineCountTitle = 3116;
inline constexpr Long kCompartmentLine2Title = 3117;  // 3117..3121 describe lines 2 to 8
inline constexpr Long kCompartmentLine8Title = 3121;
inline constexpr Long kProgramComment = 3128;
inline constexpr Long kBlockVersionComment = 3129;
inline constexpr Long kIdentificationComment = 3130;
inline constexpr Long kSavedBy = 424;
inline constexpr Long kCoordinateFormat = 801;
inline constexpr Long kDatabaseMissing = 1083;
inline constexpr Long kDatabaseReadOnly = 1086;

// Names, captions and questions of the editor and its dialogs.
inline constexpr Long kNewArrangementName = 101;
inline constexpr Long kSaveAsCaption = 102;
inline constexpr Long kDatabaseFilter = 103;
inline constexpr Long kDefaultFontName = 107;
inline constexpr Long kUnknown = 125;  // a value or code without a text of its own
inline constexpr Long kCopyOfName = 243;
inline constexpr Long kSaveChangesQuestion = 909;
inline constexpr Long kConnectionChangeLabel = 911;  // undo label of a stiffener connection change
inline constexpr Long kChooseBlockMessage = 1017;
inline constexpr Long kEnterNameMessage = 1018;
inline constexpr Long kDatabaseNotFoundMessage = 1019;
inline constexpr Long kLibraryVersionMessage = 1052;
inline constexpr Long kCodeSeparator = 113;  // between a code and its name in a list

// Undo labels of the compartment panel and its dialogs.
inline constexpr Long kCompartmentTypeChange = 987;  // type or main destination
inline constexpr Long kCompartmentLoadChange = 974;
inline constexpr Long kCompartmentDimensionsChange = 953;

// Status line texts.
inline constexpr Long kReadingSectionStatus = 601;
inline constexpr Long kSavingStatus = 602;
inline constexpr Long kBuildingLegendStatus = 606;
inline constexpr Long kBuildingThicknessLegendStatus = 608;
inline constexpr Long kBuildingMaterialLegendStatus = 609;
inline constexpr Long kListingBlocksStatus = 621;

// The check panel: the separator of labels that share a swatch.
inline constexpr Long kLegendSeparator = 297;

// Units and the title block's lines.
inline constexpr Long kProgramVersionLine = 114;
inline constexpr Long kDateLine = 115;
inline constexpr Long kSectionAtX = 116;
inline constexpr Long kMetresUnit = 117;
inline constexpr Long kMillimetresUnit = 154;
inline constexpr Long kCubicMetresUnit = 3744;

// Code texts: each list starts at its first number, the code added to it.
inline constexpr Long kFirstStateText = 158;       // the scantling state, code 0
inline constexpr Long kFirstLoadTypeText = 250;    // load type 0, "No load"
inline constexpr Long kFirstThreeStateText = 325;  // symmetry and the other three-state codes, 0
inline constexpr Long kSymmetryCaption = 328;

// Headings of the compartment part of the report.
inline constexpr Long kLoadsHeading = 3636;
inline constexpr Long kDimensionsHeading = 3637;
inline constexpr Long kEndOfCompartmentData = 3638;
inline constexpr Long kHighestPointsHeading = 3751;
inline constexpr Long kRuleValues = 3752;

}  // namespace korain::text_id
