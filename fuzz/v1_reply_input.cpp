// SPDX-License-Identifier: GPL-3.0-or-later
// A V1 controller's settings reply, decoded for both panel layouts, and the
// frames the panel's "Send Settings" would build from what was decoded.
// Input: whether the controller showed BEC, then the reply.

#include "fuzz/entry_points.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "v1/v1_frame.h"
#include "v1/v1_reply.h"
#include "v1/v1_settings_table.h"

namespace vuriru::fuzz {
namespace {

template <typename Block, typename Table>
void RequireListIndexes(const Block& block, const Table& table) {
  for (const auto& row : table) {
    Require(IsOptionIndex(row, block[row.setting]), "a decoded setting names an option of its list");
  }
}

void V1Layout(std::span<const uint8_t> reply, bool becShown) {
  V1SettingsBlock block = V1FactoryBlock(becShown ? kV1BecShown : kV1BecHidden);
  const V1SettingsBlock before = block;
  const bool decoded = DecodeV1Reply(reply, block);
  Require(decoded == (reply.size() >= kV1MinReplyLength), "a V1 reply is taken from 12 bytes on");
  if (!decoded) Require(block.index == before.index, "a refused V1 reply changes nothing");
  Require(block.becShown == before.becShown, "a reply never changes whether BEC is shown");
  if (!becShown || reply.size() <= 14) {
    Require(block[V1Setting::Bec] == before[V1Setting::Bec], "BEC comes only from a byte 14 that arrived");
  }
  RequireListIndexes(block, V1SettingsTable());

  const std::optional<V1Frame> frame = BuildV1Frame(block);
  Require(frame.has_value(), "decoded V1 settings can always be sent");
  Require(frame->size() == (becShown ? 14u : 10u), "a V1 frame has 10 writes, 14 with BEC");
  Require(FlattenV1Frame(*frame).size() <= 2 * frame->size(), "a V1 frame is made of pairs");
}

void CnV1Layout(std::span<const uint8_t> reply) {
  CnV1SettingsBlock block = CnV1FactoryBlock();
  const CnV1SettingsBlock before = block;
  const bool decoded = DecodeCnV1Reply(reply, block);
  Require(decoded == IsCnV1ReplyLength(reply.size()), "the thirteen-setting layout knows 12, 14, 15, 18 bytes");
  if (!decoded) {
    Require(block.index == before.index, "a refused reply changes nothing");
    return;
  }
  RequireListIndexes(block, CnV1SettingsTable());
  const std::optional<V1Frame> frame = BuildCnV1Frame(block, reply.size());
  Require(frame.has_value(), "decoded thirteen settings can always be sent");
}

}  // namespace

int V1ReplyInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const bool becShown = (input.Byte() & 1) != 0;
  const std::span<const uint8_t> reply = input.Take(input.Left());
  V1Layout(reply, becShown);
  CnV1Layout(reply);
  return 0;
}

}  // namespace vuriru::fuzz
