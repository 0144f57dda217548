// Chaining a drawing's pieces end to end and choosing the longest chain.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/contour_chain.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace korain {
namespace {

constexpr double kFarthest = 1e5;

bool isUsable(PlanePoint point) {
  return std::isfinite(point.y) && std::isfinite(point.z) && std::abs(point.y) <= kFarthest &&
         std::abs(point.z) <= kFarthest;
}

bool onLayer(const std::string& entityLayer, const std::string& layer) {
  return layer.empty() || entityLayer == layer;
}

double pathLength(const ContourPath& path) {
  double length = 0;
  for (std::size_t i = 1; i < path.size(); ++i) {
    length += pieceLength(path[i - 1].point, path[i].point, path[i - 1].bulge);
  }
  return length;
}

// A polyline's vertices as a chain: repeated vertices left out, and a closed
// one given its first vertex again at the end.
ContourChain polylineChain(const DxfPolyline& polyline) {
  ContourChain chain;
  for (const PathVertex& vertex : polyline.vertices) {
    if (!isUsable(vertex.point) || !std::isfinite(vertex.bulge)) return {};
    if (!chain.path.empty() &&
        isSamePoint(chain.path.back().point, vertex.point, kGeometryTolerance)) {
      continue;
    }
    chain.path.push_back(vertex);
  }
  if (chain.path.size() < 2) return {};
  const bool endsJoined =
      isSamePoint(chain.path.front().point, chain.path.back().point, kGeometryTolerance);
  if (polyline.closed && !endsJoined) chain.path.push_back({chain.path.front().point, 0});
  chain.path.back().bulge = 0;
  chain.closed = polyline.closed || endsJoined;
  chain.length = pathLength(chain.path);
  return chain;
}

// The ends of the loose pieces, found by the millimetre cell they lie in.
class EndIndex {
 public:
  using Cell = std::pair<long long, long long>;

  void add(PlanePoint point, std::size_t piece) { ends_.emplace(cellOf(point), piece); }

  // An unused piece with an end within the tolerance of `point`, if any.
  template <typename Fits>
  std::size_t find(PlanePoint point, const Fits& fits) const {
    const Cell centre = cellOf(point);
    for (long long dy = -1; dy <= 1; ++dy) {
      for (long long dz = -1; dz <= 1; ++dz) {
        const auto [first, last] = ends_.equal_range({centre.first + dy, centre.second + dz});
        for (auto it = first; it != last; ++it) {
          if (fits(it->second)) return it->second;
        }
      }
    }
    return kNone;
  }

  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

 private:
  static Cell cellOf(PlanePoint point) {
    return {std::llround(std::floor(point.y / kGeometryTolerance)),
            std::llround(std::floor(point.z / kGeometryTolerance))};
  }
  std::multimap<Cell, std::size_t> ends_;
};

DxfPiece reversed(const DxfPiece& piece) {
  return {piece.layer, piece.to, piece.from, -piece.bulge};
}

// Joins the loose pieces into chains, each grown from its first piece at both ends.
class PieceChainer {
 public:
  explicit PieceChainer(std::vector<DxfPiece> pieces)
      : pieces_(std::move(pieces)), used_(pieces_.size(), false) {
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
      index_.add(pieces_[i].from, i);
      index_.add(pieces_[i].to, i);
    }
  }

  std::vector<ContourChain> chains() {
    std::vector<ContourChain> result;
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
      if (!used_[i]) result.push_back(chainFrom(i));
    }
    return result;
  }

 private:
  // The next unused piece that starts at `point`, turned round when it ends there.
  bool takeAt(PlanePoint point, DxfPiece& next) {
    const std::size_t found = index_.find(point, [&](std::size_t i) {
      return !used_[i] && (isSamePoint(pieces_[i].from, point, kGeometryTolerance) ||
                           isSamePoint(pieces_[i].to, point, kGeometryTolerance));
    });
    if (found == EndIndex::kNone) return false;
    used_[found] = true;
    const DxfPiece& piece = pieces_[found];
    next = isSamePoint(piece.from, point, kGeometryTolerance) ? piece : reversed(piece);
    return true;
  }

  ContourChain chainFrom(std::size_t first) {
    used_[first] = true;
    std::vector<DxfPiece> forward{pieces_[first]};
    DxfPiece next;
    while (!closes(forward) && takeAt(forward.back().to, next)) forward.push_back(next);
    std::vector<DxfPiece> backward;
    PlanePoint start = forward.front().from;
    while (!closes(forward) && takeAt(start, next)) {
      backward.push_back(reversed(next));
      start = next.to;
    }
    ContourChain chain;
    std::reverse(backward.begin(), backward.end());
    for (const DxfPiece& piece : backward) chain.path.push_back({piece.from, piece.bulge});
    for (const DxfPiece& piece : forward) chain.path.push_back({piece.from, piece.bulge});
    chain.path.push_back({forward.back().to, 0});
    chain.closed =
        chain.path.size() > 2 &&
        isSamePoint(chain.path.front().point, chain.path.back().point, kGeometryTolerance);
    chain.length = pathLength(chain.path);
    return chain;
  }

  static bool closes(const std::vector<DxfPiece>& pieces) {
    return pieces.size() > 1 &&
           isSamePoint(pieces.front().from, pieces.back().to, kGeometryTolerance);
  }

  std::vector<DxfPiece> pieces_;
  std::vector<bool> used_;
  EndIndex index_;
};

std::vector<DxfPiece> loosePieces(const DxfEntities& entities, const std::string& layer) {
  std::vector<DxfPiece> pieces;
  for (const DxfPiece& piece : entities.pieces) {
    if (!onLayer(piece.layer, layer) || !isUsable(piece.from) || !isUsable(piece.to) ||
        !std::isfinite(piece.bulge) || isSamePoint(piece.from, piece.to, kGeometryTolerance)) {
      continue;
    }
    pieces.push_back(piece);
  }
  return pieces;
}

std::string missingText(const DxfEntities& entities, const std::string& layer) {
  const bool nothing = entities.polylines.empty() && entities.pieces.empty();
  if (nothing) return "no polyline, line or arc to make a contour of";
  if (!layer.empty()) {
    return "no polyline, line or arc of two distinct points on layer \"" + layer + "\"";
  }
  return "no polyline, line or arc of two distinct points";
}

}  // namespace

double pieceLength(PlanePoint from, PlanePoint to, double bulge) {
  const double chord = distance(from, to);
  if (bulge == 0) return chord;
  const double sweep = 4 * std::atan(std::abs(bulge));
  return chord / (2 * std::sin(sweep / 2)) * sweep;
}

ChainChoice chooseContourChain(const DxfEntities& entities, const std::string& layer) {
  std::vector<ContourChain> chains;
  for (const DxfPolyline& polyline : entities.polylines) {
    if (!onLayer(polyline.layer, layer)) continue;
    ContourChain chain = polylineChain(polyline);
    if (!chain.path.empty()) chains.push_back(std::move(chain));
  }
  for (ContourChain& chain : PieceChainer(loosePieces(entities, layer)).chains()) {
    chains.push_back(std::move(chain));
  }
  ChainChoice choice;
  choice.candidates = static_cast<int>(chains.size());
  if (chains.empty()) {
    choice.missing = missingText(entities, layer);
    return choice;
  }
  std::size_t longest = 0;
  for (std::size_t i = 1; i < chains.size(); ++i) {
    if (chains[i].length > chains[longest].length) longest = i;
  }
  choice.chain = std::move(chains[longest]);
  return choice;
}

}  // namespace korain
