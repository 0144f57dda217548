// The node line that ZEL blocks and hull-section blocks share: the owner's number, then the node.
#include "io/node_line.h"

namespace korain {

void readNodeLine(FieldReader& fields, Node& n) {
  fields.take(2, n.Y);
  fields.take(3, n.Z);
  fields.take(5, n.Inter);
  fields.take(6, n.Ipan);
  fields.take(7, n.Inod);
  fields.take(8, n.ShCur);
  fields.take(9, n.ShYT);
  fields.take(10, n.ShZT);
  fields.take(11, n.ShR);
  fields.take(12, n.PCod);
  fields.take(13, n.knu);
}

void writeNodeLine(BlockTextWriter& w, Long owner, const Node& n) {
  w.number(owner).tab();
  w.formatted(n.Y, w.coordinateFormat()).tab();
  w.formatted(n.Z, w.coordinateFormat()).tab();
  w.number(Long{n.Abs}).tab().number(n.Inter).tab().number(Long{n.Ipan}).tab();
  w.number(Long{n.Inod}).tab().number(n.ShCur).tab().number(n.ShYT).tab();
  w.number(n.ShZT).tab().number(n.ShR).tab().number(n.PCod).tab().number(Long{n.knu});
  w.endLine();
}

}  // namespace korain
