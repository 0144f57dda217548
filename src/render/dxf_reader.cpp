// Collecting a DXF file's polylines, lines, arcs and units through dxflib.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf_reader.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <istream>
#include <iterator>
#include <new>
#include <numbers>
#include <sstream>
#include <string_view>

namespace korain {
namespace {

// Polyline flags of vertices that are no line: polygon and polyface meshes.
constexpr int kMeshFlags = 16 | 64;
constexpr int kClosedFlag = 1;
constexpr double kDegree = std::numbers::pi / 180;

class EntityCollector : public DL_CreationAdapter {
 public:
  explicit EntityCollector(DxfEntities& entities) : entities_(entities) {}

  void setVariableInt(const std::string& key, int value, int /*code*/) override {
    if (key == "$INSUNITS") entities_.units = value;
  }
  void addBlock(const DL_BlockData& /*data*/) override {
    inBlock_ = true;
    collecting_ = false;
  }
  void endBlock() override { inBlock_ = false; }

  void addLine(const DL_LineData& data) override {
    collecting_ = false;
    if (inBlock_) return;
    entities_.pieces.push_back({layer(), {data.x1, data.y1}, {data.x2, data.y2}, 0});
  }

  // An arc runs anticlockwise from its first angle to its second, in degrees;
  // a whole circle joins nothing.
  void addArc(const DL_ArcData& data) override {
    collecting_ = false;
    if (inBlock_ || !inPlane()) return;
    double sweep = std::fmod(data.angle2 - data.angle1, 360.0);
    if (sweep <= 0) sweep += 360;
    if (!(sweep > 0 && sweep < 360)) return;
    const auto at = [&](double angle) {
      return PlanePoint{data.cx + data.radius * std::cos(angle * kDegree),
                        data.cy + data.radius * std::sin(angle * kDegree)};
    };
    DxfPiece piece{layer(), at(data.angle1), at(data.angle1 + sweep),
                   std::tan(sweep * kDegree / 4)};
    if (mirrored()) {
      piece.from.y = -piece.from.y;
      piece.to.y = -piece.to.y;
      piece.bulge = -piece.bulge;
    }
    entities_.pieces.push_back(piece);
  }

  void addPolyline(const DL_PolylineData& data) override {
    collecting_ = !inBlock_ && (data.flags & kMeshFlags) == 0 && inPlane();
    if (!collecting_) return;
    entities_.polylines.push_back({layer(), {}, (data.flags & kClosedFlag) != 0});
    mirroredPolyline_ = mirrored();
  }

  void addVertex(const DL_VertexData& data) override {
    if (!collecting_) return;
    const double sign = mirroredPolyline_ ? -1 : 1;
    entities_.polylines.back().vertices.push_back({{sign * data.x, data.y}, sign * data.bulge});
  }

  void endSequence() override { collecting_ = false; }

 private:
  std::string layer() { return getAttributes().getLayer(); }

  // The entity's own plane is the drawing's (its extrusion along z, either way).
  bool inPlane() {
    const double* direction = getExtrusion()->getDirection();
    return std::abs(direction[0]) < 1e-9 && std::abs(direction[1]) < 1e-9 && direction[2] != 0;
  }
  // Seen from below, the entity's x runs the other way.
  bool mirrored() { return getExtrusion()->getDirection()[2] < 0; }

  DxfEntities& entities_;
  bool inBlock_ = false;
  bool collecting_ = false;
  bool mirroredPolyline_ = false;
};

// The counts dxflib sizes its arrays by before it reads what they count: a
// negative or huge one would have it allocate more than there is, or write
// beyond what it allocated. No honest count exceeds the lines of the file.
struct CountCode {
  std::string_view entity;
  int code;
};
constexpr std::array<CountCode, 8> kCountCodes = {{{"LWPOLYLINE", 90},
                                                   {"SPLINE", 72},
                                                   {"SPLINE", 73},
                                                   {"SPLINE", 74},
                                                   {"LEADER", 76},
                                                   {"HATCH", 91},
                                                   {"HATCH", 93},
                                                   {"HATCH", 97}}};

// A line as dxflib takes it: up to a NUL, without the blanks around it.
std::string_view trimmed(std::string_view line) {
  line = line.substr(0, line.find('\0'));
  const auto first = line.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

bool isCountCode(std::string_view entity, int code) {
  return std::any_of(kCountCodes.begin(), kCountCodes.end(), [&](const CountCode& count) {
    return count.entity == entity && count.code == code;
  });
}

// A number as dxflib reads it: its leading digits, 0 for none.
long long leadingNumber(std::string_view text) {
  const std::string copy(text);
  return std::strtoll(copy.c_str(), nullptr, 10);
}

// dxflib reads a line into a buffer of fixed size, and loses its way in the
// file after a longer one.
constexpr std::size_t kLongestLine = 1000;
constexpr std::uintmax_t kLargestFile = std::uintmax_t{256} << 20;

// The lines of the file as dxflib reads them, one to a line end, or why they
// cannot be given to it.
struct CheckedText {
  std::string text;
  std::string fault;
};

CheckedText checkedText(std::string_view bytes) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    if (end - start > kLongestLine) {
      return {{},
              "line " + std::to_string(lines.size() + 1) + " is longer than " +
                  std::to_string(kLongestLine) + " characters"};
    }
    lines.push_back(trimmed(bytes.substr(start, end - start)));
    start = end + 1;
  }
  CheckedText checked;
  const auto most = static_cast<long long>(lines.size());
  std::string_view entity;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    checked.text.append(lines[i]).push_back('\n');
    if (i % 2 == 1) continue;
    const long long code = leadingNumber(lines[i]);
    if (i + 1 == lines.size()) break;
    if (code == 0) entity = lines[i + 1];
    if (!isCountCode(entity, static_cast<int>(code))) continue;
    const long long count = leadingNumber(lines[i + 1]);
    if (count < 0 || count > most) {
      return {{},
              "line " + std::to_string(i + 2) + " gives a " + std::string(entity) + " a count of " +
                  std::string(lines[i + 1]) + ", which the file cannot hold"};
    }
  }
  return checked;
}

}  // namespace

bool readDxfEntities(std::istream& stream, DxfEntities& entities, std::string& error) {
  entities = {};
  const std::string bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
  const CheckedText checked = checkedText(bytes);
  if (!checked.fault.empty()) {
    error = checked.fault;
    return false;
  }
  std::istringstream text(checked.text);
  EntityCollector collector(entities);
  DL_Dxf dxf;
  try {
    if (!dxf.in(text, &collector)) {
      error = "it is not a DXF file that can be read";
      return false;
    }
  } catch (const std::bad_alloc&) {
    error = "it asks for more memory than there is";
    return false;
  }
  return true;
}

bool readDxfEntities(const std::string& path, DxfEntities& entities, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "it cannot be opened";
    return false;
  }
  // The file is held in memory twice while it is checked and read.
  std::error_code unknown;
  const std::uintmax_t size = std::filesystem::file_size(path, unknown);
  if (!unknown && size > kLargestFile) {
    error = "it is larger than the " + std::to_string(kLargestFile >> 20) + " MB a drawing can be";
    return false;
  }
  return readDxfEntities(file, entities, error);
}

}  // namespace korain
