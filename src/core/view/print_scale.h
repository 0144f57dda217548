// The normalised scale of a printed drawing: the standard ratio (metres of
// section per metre of paper) at which the section fits the sheet.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace korain {

// The standard ratio for `ratio`: the ratio is brought above 14 (times 10) and
// then below 100 (divided by 10), the smallest of 15, 20, 25, 33.333336, 50
// and 100 not below it is taken, and the power of ten restored. So an exact
// 100 (or 10, 1000) counts as 10 and gives 150: the next step up, as the
// family's printed drawings have always had it. A ratio that is not a
// positive number gives 1.
double standardRatio(double ratio);

// Every standard ratio from 1.5 (1:1.5) to 1 000 000, smallest first: 15,
// 20, 25, 33.333336, 50 and 100 times the powers of ten.
std::vector<double> standardRatios();

// The paper is `paperWidthCm` by `paperHeightCm`; 2 cm of width and 4 cm of
// height are kept for the border and the title block. The drawing shows the
// whole section width when `wholeSection`, else half of it (a section
// described on one side of the centre line). The ratio fits the width first,
// then the height when the width's ratio would overflow it.
double choosePrintScale(double paperWidthCm, double paperHeightCm, double sectionWidth,
                        double sectionHeight, bool wholeSection);

// The scale as a drawing states it: "Scale 1:200"; the whole part of the
// ratio, as 33.333336 times a power of ten reads 1:333.
std::string scaleText(double ratio);

}  // namespace korain
