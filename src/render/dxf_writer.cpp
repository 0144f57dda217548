// Writing the world drawing's header, layers, paths and texts as DXF.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf_writer.h"

#include <dl_dxf.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <numbers>

#include "saved_file.h"
#include "world_extent.h"

namespace korain {
namespace {

constexpr int kInsUnitsMetres = 6;
constexpr int kByLayer = 256;
// Text justification codes: from the left or centred across, in the middle
// up and down.
constexpr int kLeft = 0;
constexpr int kCentre = 1;
constexpr int kMiddle = 2;

// The nearest of the standard colour numbers (1 to 9), for readers that do
// not take a true colour.
int colourNumber(const QColor& colour) {
  struct Entry {
    int number;
    int r, g, b;
  };
  static constexpr std::array<Entry, 9> kStandard = {{{1, 255, 0, 0},
                                                      {2, 255, 255, 0},
                                                      {3, 0, 255, 0},
                                                      {4, 0, 255, 255},
                                                      {5, 0, 0, 255},
                                                      {6, 255, 0, 255},
                                                      {7, 0, 0, 0},
                                                      {8, 128, 128, 128},
                                                      {9, 192, 192, 192}}};
  int best = 7;
  int bestDistance = std::numeric_limits<int>::max();
  for (const Entry& e : kStandard) {
    const int dr = colour.red() - e.r;
    const int dg = colour.green() - e.g;
    const int db = colour.blue() - e.b;
    const int d = dr * dr + dg * dg + db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = e.number;
    }
  }
  return best;
}

int trueColour(const QColor& colour) { return static_cast<int>(colour.rgb() & 0xFFFFFFU); }

// An entity takes its layer's colour unless it has one of its own.
DL_Attributes attributes(WorldLayer layer, const QColor& colour) {
  const char* name = worldLayerStyle(layer).name;
  if (!colour.isValid()) return {name, kByLayer, -1, -1, "BYLAYER"};
  return {name, colourNumber(colour), trueColour(colour), -1, "BYLAYER"};
}

// The centre line's dashes in the units of the pattern below.
constexpr std::array<double, 4> kCentrePattern = {1.25, -0.25, 0.25, -0.25};
constexpr double kCentrePatternLength = 2.0;
// One pattern takes about this much of the sheet.
constexpr double kCentrePatternPoints = 40;

// The linetype scale that gives the centre line's pattern its length on the
// sheet at the drawing's scale.
double centreLineScale(const WorldDrawing& drawing) {
  if (!(drawing.metresPerPoint > 0)) return 1.0;
  return kCentrePatternPoints * drawing.metresPerPoint / kCentrePatternLength;
}

const char* const kPlainStyle = "Standard";
const char* const kBoldStyle = "Bold";

// What Windows-1252 puts at 0x80 to 0x9F, where Unicode has control
// characters: the dashes, quotes and signs of a text (0 where it has none).
constexpr std::array<char32_t, 32> kCodePageHighHalf = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The byte of the code page for a character it holds beyond Latin-1; 0 for none.
unsigned char codePageByte(char32_t c) {
  const auto found = std::ranges::find(kCodePageHighHalf, c);
  if (c == 0 || found == kCodePageHighHalf.end()) return 0;
  return static_cast<unsigned char>(0x80 + (found - kCodePageHighHalf.begin()));
}

// A DXF 2000 file's texts are in its code page, Windows-1252 here: the
// characters it holds go as its bytes ("×" is 0xD7, "–" 0x96), any other as a
// \U+XXXX escape. Below 0x100 the code page agrees with Unicode except for the
// control characters 0x80 to 0x9F, which the code page gives to other
// characters.
std::string dxfText(const QString& text) {
  std::string out;
  for (const char32_t c : text.toUcs4()) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else if (c >= 0xA0 && c <= 0xFF) {
      out += static_cast<char>(static_cast<unsigned char>(c));
    } else if (const unsigned char byte = codePageByte(c); byte != 0) {
      out += static_cast<char>(byte);
    } else if (c >= 0x80) {
      out += QStringLiteral("\\U+%1")
                 .arg(static_cast<uint>(c), 4, 16, QChar('0'))
                 .toUpper()
                 .toStdString();
    }
  }
  return out;
}

// A point of the header: y, z of the world.
void headerPoint(DL_WriterA& dw, const char* name, double y, double z) {
  dw.dxfString(9, name);
  dw.dxfReal(10, y);
  dw.dxfReal(20, z);
}

// The extent tells CAD programs where the drawing is, so that they open on it.
void writeHeader(DL_Dxf& dxf, DL_WriterA& dw, const WorldDrawing& drawing) {
  dxf.writeHeader(dw);
  dw.dxfString(9, "$DWGCODEPAGE");
  dw.dxfString(3, "ANSI_1252");
  dw.dxfString(9, "$INSUNITS");
  dw.dxfInt(70, kInsUnitsMetres);
  dw.dxfString(9, "$MEASUREMENT");
  dw.dxfInt(70, 1);
  const WorldWindow extent = worldExtent(drawing);
  headerPoint(dw, "$EXTMIN", extent.left, extent.bottom);
  headerPoint(dw, "$EXTMAX", extent.right(), extent.top());
  headerPoint(dw, "$LIMMIN", extent.left, extent.bottom);
  headerPoint(dw, "$LIMMAX", extent.right(), extent.top());
  dw.dxfString(9, "$LTSCALE");
  dw.dxfReal(40, centreLineScale(drawing));
  dw.sectionEnd();
}

void writeLinetypes(DL_Dxf& dxf, DL_WriterA& dw) {
  dw.tableLinetypes(4);
  dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
  dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
  dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
  std::array<double, 4> centre = kCentrePattern;
  dxf.writeLinetype(
      dw, DL_LinetypeData("CENTER", "Center ____ _ ____ _ ____ _ ____", 0,
                          static_cast<int>(centre.size()), kCentrePatternLength, centre.data()));
  dw.tableEnd();
}

void writeLayers(DL_Dxf& dxf, DL_WriterA& dw) {
  dw.tableLayers(static_cast<int>(kWorldLayerCount) + 1);
  dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", 7, -1, -1, "CONTINUOUS"));
  for (std::size_t i = 0; i < kWorldLayerCount; ++i) {
    const WorldLayerStyle& style = worldLayerStyle(static_cast<WorldLayer>(i));
    dxf.writeLayer(
        dw, DL_LayerData(style.name, 0),
        DL_Attributes("", style.colourNumber, -1, -1, style.centreLine ? "CENTER" : "CONTINUOUS"));
  }
  dw.tableEnd();
}

// A text style set in a TrueType font, which every CAD program finds.
void writeTextStyle(DL_WriterA& dw, const char* name, const char* fontFile) {
  dw.dxfString(0, "STYLE");
  dw.handle();
  dw.dxfString(100, "AcDbSymbolTableRecord");
  dw.dxfString(100, "AcDbTextStyleTableRecord");
  dw.dxfString(2, name);
  dw.dxfInt(70, 0);
  dw.dxfReal(40, 0.0);
  dw.dxfReal(41, 1.0);
  dw.dxfReal(50, 0.0);
  dw.dxfInt(71, 0);
  dw.dxfReal(42, 1.0);
  dw.dxfString(3, fontFile);
  dw.dxfString(4, "");
}

void writeTables(DL_Dxf& dxf, DL_WriterA& dw) {
  dw.sectionTables();
  dxf.writeVPort(dw);
  writeLinetypes(dxf, dw);
  writeLayers(dxf, dw);
  dw.tableStyle(2);
  writeTextStyle(dw, kPlainStyle, "arial.ttf");
  writeTextStyle(dw, kBoldStyle, "arialbd.ttf");
  dw.tableEnd();
  dxf.writeView(dw);
  dxf.writeUcs(dw);
  dw.tableAppid(1);
  dxf.writeAppid(dw, "ACAD");
  dw.tableEnd();
  dxf.writeDimStyle(dw, 0.25, 0.1, 0.1, 0.1, 0.25);
  dxf.writeBlockRecord(dw);
  dw.tableEnd();
  dw.sectionEnd();
}

void writeBlocks(DL_Dxf& dxf, DL_WriterA& dw) {
  dw.sectionBlocks();
  for (const char* space : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
    dxf.writeBlock(dw, DL_BlockData(space, 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, space);
  }
  dw.sectionEnd();
}

bool isLine(const WorldPath& path) {
  return path.path.size() == 2 && !path.closed && path.path.front().bulge == 0;
}

// A solid hatch bounded by the path's straight edges.
void writeFill(DL_Dxf& dxf, DL_WriterA& dw, const WorldPath& path) {
  const DL_Attributes attrib = attributes(path.layer, path.colour);
  const DL_HatchData hatch(1, true, 1.0, 0.0, "SOLID");
  dxf.writeHatch1(dw, hatch, attrib);
  const DL_HatchLoopData loop(static_cast<int>(path.path.size()));
  dxf.writeHatchLoop1(dw, loop);
  for (std::size_t i = 0; i < path.path.size(); ++i) {
    const PlanePoint a = path.path[i].point;
    const PlanePoint b = path.path[(i + 1) % path.path.size()].point;
    dxf.writeHatchEdge(dw, DL_HatchEdgeData(a.y, a.z, b.y, b.z));
  }
  dxf.writeHatchLoop2(dw, loop);
  dxf.writeHatch2(dw, hatch, attrib);
}

void writePath(DL_Dxf& dxf, DL_WriterA& dw, const WorldPath& path) {
  const DL_Attributes attrib = attributes(path.layer, path.filled ? QColor() : path.colour);
  if (path.filled) writeFill(dxf, dw, path);
  if (isLine(path)) {
    const PlanePoint a = path.path.front().point;
    const PlanePoint b = path.path.back().point;
    dxf.writeLine(dw, DL_LineData(a.y, a.z, 0, b.y, b.z, 0), attrib);
    return;
  }
  const int count = static_cast<int>(path.path.size());
  dxf.writePolyline(dw, DL_PolylineData(count, 0, 0, path.closed ? 1 : 0), attrib);
  for (const PathVertex& v : path.path) {
    dxf.writeVertex(dw, DL_VertexData(v.point.y, v.point.z, 0, v.bulge));
  }
  dxf.writePolylineEnd(dw);
}

void writeText(DL_Dxf& dxf, DL_WriterA& dw, const WorldText& text) {
  const PlanePoint c = text.place;
  const int across = text.anchor == TextAnchor::Left ? kLeft : kCentre;
  dxf.writeText(dw,
                DL_TextData(c.y, c.z, 0, c.y, c.z, 0, text.height, 1.0, 0, across, kMiddle,
                            dxfText(text.text), text.bold ? kBoldStyle : kPlainStyle,
                            text.rotation * std::numbers::pi / 180),
                attributes(text.layer, text.colour));
}

void writeEntities(DL_Dxf& dxf, DL_WriterA& dw, const WorldDrawing& drawing) {
  dw.sectionEntities();
  for (const WorldPath& path : drawing.paths) {
    if (path.path.size() >= 2) {
      writePath(dxf, dw, path);
    } else if (path.path.size() == 1) {
      // A contour whose nodes all coincide still marks where they are.
      const PlanePoint at = path.path.front().point;
      dxf.writePoint(dw, DL_PointData(at.y, at.z, 0), attributes(path.layer, path.colour));
    }
  }
  for (const WorldCircle& circle : drawing.circles) {
    dxf.writeCircle(dw, DL_CircleData(circle.centre.y, circle.centre.z, 0, circle.radius),
                    attributes(circle.layer, {}));
  }
  for (const WorldText& text : drawing.texts) writeText(dxf, dw, text);
  dw.sectionEnd();
}

// dxflib writes to a file by name only: the drawing goes to a scratch file,
// which is checked for its end and then saved in place of the target.
bool writeScratch(const QString& scratch, const WorldDrawing& drawing) {
  DL_Dxf dxf;
  const std::unique_ptr<DL_WriterA> dw(dxf.out(scratch.toLocal8Bit().constData(), DL_VERSION_2000));
  if (!dw || dw->openFailed()) return false;
  writeHeader(dxf, *dw, drawing);
  writeTables(dxf, *dw);
  writeBlocks(dxf, *dw);
  writeEntities(dxf, *dw, drawing);
  dxf.writeObjects(*dw);
  dxf.writeObjectsEnd(*dw);
  dw->dxfEOF();
  dw->close();
  return true;
}

}  // namespace

bool writeDxf(const std::string& path, const WorldDrawing& drawing, std::string& error) {
  const QTemporaryDir folder;
  const QString scratch = folder.filePath(QStringLiteral("drawing.dxf"));
  QFile written(scratch);
  if (!folder.isValid() || !writeScratch(scratch, drawing) || !written.open(QIODevice::ReadOnly)) {
    error = "the DXF file could not be prepared in the temporary folder";
    return false;
  }
  const QByteArray bytes = written.readAll();
  if (!bytes.trimmed().endsWith("EOF")) {
    error = "the DXF file was cut short in the temporary folder";
    return false;
  }
  return saveBytes(path, bytes, error);
}

}  // namespace korain
