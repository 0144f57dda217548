#include "computed_arrangement.h"

#include "geometry/compute_geometry.h"
#include "io/text_file.h"
#include "io/zel_reader.h"
#include "ship/ship_data_reader.h"

namespace korain {

bool readComputedArrangement(const std::string& database, Integer blockNumber,
                             ComputedArrangement& computed, std::ostream& err) {
  const ZelReadResult read = readZelBlock(database, blockNumber, computed.arrangement);
  for (const FileMessage& message : read.messages) err << message.toString() << '\n';
  if (!read.found()) return false;
  // The ship data only gives the default plating material here; a database
  // without it still computes, with material 1.
  readShipData(database, computed.ship);
  const Integer defaultMaterial =
      computed.ship.DefaultMaterial.at(1) > 0 ? computed.ship.DefaultMaterial.at(1) : Integer{1};
  GeometryState state;
  computeGeometry(computed.arrangement, state, computed.messages, defaultMaterial);
  return true;
}

}  // namespace korain
