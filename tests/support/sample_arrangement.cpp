// Builds arrangements of any size with varied values, for tests and benchmarks.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample_arrangement.h"

#include <string>

namespace korain::testing {
namespace {

Single spread(int i, double step, double offset = 0) {
  return static_cast<Single>(offset + step * i);
}

Scantling scantling(int i) {
  return {.Typ = i % 4 + 1,
          .H1 = spread(i % 7, 20, 200),
          .E1 = spread(i % 3, 1, 10),
          .H2 = spread(i % 5, 10, 60),
          .E2 = spread(i % 4, 2, 12)};
}

Node node(int bulkhead, int i, int count) {
  Node n;
  n.Y = spread(i, 0.825, 0.1 * bulkhead);
  n.Z = spread(i % 2 == 0 ? i : count - i, 0.5);
  n.Abs = static_cast<Integer>(i);
  n.ShCur = i == 1 ? 0 : (i % 5 == 0 ? 3 : 1);
  if (n.ShCur == 3) {
    n.ShYT = spread(i, 0.25);
    n.ShZT = spread(i, 0.125);
    n.ShR = i % 2 == 0 ? 1.5F : -2.25F;
  }
  n.Inter = i % 3;
  n.Ipan = static_cast<Integer>(i % 4);
  n.Inod = static_cast<Integer>(i % 6);
  n.PCod = i % 2;
  n.knu = static_cast<Integer>(i % 4 == 0 ? 1 : 0);
  return n;
}

OrdinaryStiffener stiffener(int i, int spans) {
  OrdinaryStiffener s;
  s.Position = spread(i, 0.8, -12);
  s.iMat = static_cast<Integer>(i % 3 + 1);
  s.Scant = scantling(i);
  s.SpanReduction = i % 2 == 0 ? 0.25F : 0;
  s.TypeConn = i % 3;
  for (int k = 1; k <= 2; ++k) {
    Bracket& b = s.Brackets.at(k);
    b.Fixed = (i + k) % 2 == 0;
    b.Enabled = (i + k) % 3 != 0;
    if (b.Enabled) {
      b.Length = spread(k, 0.1, 0.3);
      b.Scant = scantling(i + k);
    }
  }
  for (int k = 1; k <= spans; ++k) {
    StiffenerSpan& span = s.Spans.append();
    span.HasScantling = (i + k) % 2 == 0;
    if (span.HasScantling) {
      span.Scant = scantling(i * k);
      span.Mat = static_cast<Integer>(k % 3 + 1);
    }
    span.LowerBracketLength = k % 3 == 0 ? 0 : spread(k, 0.05);
    span.UpperBracketLength = k % 2 == 0 ? spread(k, 0.075) : 0;
  }
  return s;
}

Compartment compartment(int bulkhead, int side, int levels) {
  Compartment c;
  c.Name = "Hold " + std::to_string(bulkhead) + (side == 1 ? " fwd" : " aft");
  c.A = side;
  c.B = bulkhead % 4;
  c.UseComputedYZ = side == 1;
  c.UseRuleRoll = bulkhead % 2 == 0;
  for (int i = 1; i <= c.Table1.count(); ++i) c.Table1.at(i) = spread(i, 1.25, bulkhead);
  c.N = bulkhead % 7;
  for (int i = 1; i <= c.Table2.count(); ++i) c.Table2.at(i) = spread(i, 0.5);
  for (int i = 1; i <= c.Table3.count(); ++i) c.Table3.at(i) = spread(i, -0.0625);
  for (int p = 1; p <= levels; ++p) c.Points.append({spread(p, 2.5), spread(p, 1.5, 20), 32});
  c.Flag3 = side == 1;
  c.Flag4 = true;
  c.Flag5 = bulkhead % 2 == 1;
  c.C = side == 2;
  c.D = (bulkhead + side) % 3 == 0;
  c.Flag6 = side == 2;
  return c;
}

Bulkhead bulkhead(int i, const SampleSize& size) {
  Bulkhead b;
  b.Name = "Bulkhead " + std::to_string(i);
  b.Typ = i % 3;
  b.iMat = static_cast<Integer>(i % 3 + 1);
  b.stfside = i % 2;
  b.stfHV = (i + 1) % 2;
  b.Stool1Enabled = i % 2 == 1;
  b.Stool1Z = b.Stool1Enabled ? 3.5F : 0;
  b.Stool2Enabled = i % 3 == 1;
  b.Stool2Z = b.Stool2Enabled ? 14.25F : 0;
  b.UpperStoolSloped = b.Stool2Enabled && i % 2 == 1;
  for (int n = 1; n <= size.nodes; ++n) b.Nodes.append(node(i, n, size.nodes));
  for (int m = 1; m <= size.primaryMembers; ++m) {
    PrimaryMember& member = b.PrimaryMembers.append();
    member.Position = spread(m, 2.75);
    member.HV = m % 2;
  }
  for (int s = 1; s <= size.stiffeners; ++s) b.Stiffeners.append(stiffener(s, size.spans));
  for (int band = 1; band <= size.bands; ++band) {
    StrakeBand& strakeBand = b.StrakeBands.append();
    strakeBand.Z = spread(band, 3.5);
    for (int s = 1; s <= size.strakesPerBand; ++s) {
      Strake& strake = strakeBand.Strakes.append();
      strake.Y = spread(s, 2.4);
      strake.Th = spread(band + s, 0.5, 11);
      strake.iMat = static_cast<Integer>(s % 3 + 1);
    }
  }
  b.Corr = {.Start = 0.5F,
            .S1 = 0.9F,
            .A = 0.75F,
            .D = 0.625F,
            .FixedUpper = i % 2 == 0,
            .FixedLower = true};
  for (int side = 1; side <= 2; ++side) {
    b.Compartments.at(side) = compartment(i, side, size.fillingLevels);
  }
  return b;
}

}  // namespace

Arrangement sampleArrangement(const SampleSize& size) {
  Arrangement a;
  a.Name = "Sample arrangement";
  a.ID = "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";
  a.X = 88.5F;
  a.SymFlag = 1;
  a.StoolVolume = 123.25F;
  a.AftHopperBreadth = 6.5F;
  a.AftHopperZTop = 4.75F;
  a.ForeHopperBreadth = 6.25F;
  a.ForeHopperZTop = 4.5F;
  a.StateType = 2;
  a.StateIndex = 3;
  for (int i = 1; i <= size.bulkheads; ++i) a.Bulkheads.append(bulkhead(i, size));
  return a;
}

}  // namespace korain::testing
