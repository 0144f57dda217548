// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf_writer.h"

#include <dl_dxf.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtMath>
#include <array>
#include <limits>
#include <memory>

#include "saved_file.h"

namespace korain {
namespace {

constexpr int kInsUnitsMetres = 6;
constexpr int kByLayer = 256;
// Text justification codes: centred across, in the middle up and down.
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

DL_Attributes attributes(WorldLayer layer, const QColor& colour) {
  if (!colour.isValid()) return {worldLayerName(layer), kByLayer, -1, -1, "BYLAYER"};
  return {worldLayerName(layer), colourNumber(colour), trueColour(colour), -1, "BYLAYER"};
}

// DXF 2000 texts are in the file's code page; anything beyond ASCII goes as
// a \U+XXXX escape, which every reader takes.
std::string dxfText(const QString& text) {
  std::string out;
  for (const char32_t c : text.toUcs4()) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else if (c >= 0x80) {
      out += QStringLiteral("\\U+%1")
                 .arg(static_cast<uint>(c), 4, 16, QChar('0'))
                 .toUpper()
                 .toStdString();
    }
  }
  return out;
}

void writeHeader(DL_Dxf& dxf, DL_WriterA& dw) {
  dxf.writeHeader(dw);
  dw.dxfString(9, "$INSUNITS");
  dw.dxfInt(70, kInsUnitsMetres);
  dw.dxfString(9, "$MEASUREMENT");
  dw.dxfInt(70, 1);
  dw.sectionEnd();
}

void writeTables(DL_Dxf& dxf, DL_WriterA& dw, const WorldDrawing& drawing) {
  dw.sectionTables();
  dxf.writeVPort(dw);
  dw.tableLinetypes(3);
  dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
  dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
  dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
  dw.tableEnd();
  dw.tableLayers(static_cast<int>(kWorldLayerCount) + 1);
  dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", 7, -1, -1, "CONTINUOUS"));
  for (std::size_t i = 0; i < kWorldLayerCount; ++i) {
    const QColor& colour = drawing.layerColours.at(i);
    dxf.writeLayer(dw, DL_LayerData(worldLayerName(static_cast<WorldLayer>(i)), 0),
                   DL_Attributes("", colourNumber(colour), trueColour(colour), -1, "CONTINUOUS"));
  }
  dw.tableEnd();
  dw.tableStyle(1);
  dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 0.25, "txt", ""));
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

void writePath(DL_Dxf& dxf, DL_WriterA& dw, const WorldPath& path) {
  const DL_Attributes attrib = attributes(path.layer, path.colour);
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
  for (const WorldText& text : drawing.texts) {
    const PlanePoint c = text.centre;
    dxf.writeText(dw,
                  DL_TextData(c.y, c.z, 0, c.y, c.z, 0, text.height, 1.0, 0, kCentre, kMiddle,
                              dxfText(text.text), "Standard", 0.0),
                  attributes(WorldLayer::Labels, text.colour));
  }
  for (const WorldDimensionText& text : drawing.dimensionTexts) {
    const PlanePoint c = text.centre;
    dxf.writeText(dw,
                  DL_TextData(c.y, c.z, 0, c.y, c.z, 0, text.height, 1.0, 0, kCentre, kMiddle,
                              dxfText(text.text), "Standard", qDegreesToRadians(text.rotation)),
                  attributes(WorldLayer::Dimensions, {}));
  }
  dw.sectionEnd();
}

// dxflib writes to a file by name only: the drawing goes to a scratch file,
// which is checked for its end and then saved in place of the target.
bool writeScratch(const QString& scratch, const WorldDrawing& drawing) {
  DL_Dxf dxf;
  const std::unique_ptr<DL_WriterA> dw(dxf.out(scratch.toLocal8Bit().constData(), DL_VERSION_2000));
  if (!dw || dw->openFailed()) return false;
  writeHeader(dxf, *dw);
  writeTables(dxf, *dw, drawing);
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
