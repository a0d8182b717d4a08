// Tasks and key blocks, and the queue's order and lifetimes (the sanitizer reports leaks).
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <span>

#include "survey/KeyBlock.h"
#include "survey/TaskQueue.h"

namespace netvane {
namespace {

std::unique_ptr<ProfileData> Task(uint32_t tag) {
  auto record = std::make_unique<PROFILE_DATA>();
  record->lRtsThre = tag;
  SetWepKey(*record, 0, true, std::array<uint8_t, 5>{});
  return ProfileData::setProfileData(std::move(record));
}

TEST(TaskQueue, OldestFirstAndRemovalEndsEachTask) {
  TaskQueue queue;
  queue.RemoveTaskObject();  // empty: nothing happens
  queue.InsertTaskObject(Task(1));
  queue.InsertTaskObject(Task(2));
  EXPECT_EQ(queue.GetTaskObject()->Profile()->lRtsThre, 1U);
  EXPECT_EQ(queue.Count(), 2U);  // reading does not take it
  queue.RemoveTaskObject();
  EXPECT_EQ(queue.GetTaskObject()->Profile()->lRtsThre, 2U);
  queue.RemoveTaskObject();
  EXPECT_EQ(queue.GetTaskObject(), nullptr);

  queue.InsertTaskObject(Task(3));  // still held when the queue ends
  auto task = Task(4);
  task->setProfile(std::make_unique<PROFILE_DATA>());  // the old record is released
  EXPECT_EQ(task->Profile()->lRtsThre, 0U);
}

// Reads the header fields out of the packed block into aligned values.
std::array<uint32_t, 3> Header(std::span<const uint8_t> block, std::array<uint8_t, 6>& bssid) {
  NDIS_802_11_KEY h{};
  std::memcpy(&h, block.data(), kKeyHeaderLength);
  std::memcpy(bssid.data(), h.BSSID, 6);
  return {h.Length, h.KeyIndex, h.KeyLength};
}

TEST(KeyBlock, WepAndWpaBlocks) {
  PROFILE_DATA record{};
  const std::array<uint8_t, 5> wep{0xA1, 0xA2, 0xA3, 0xA4, 0xA5};
  SetWepKey(record, 1, true, wep);
  std::array<uint8_t, 6> bssid{};
  EXPECT_EQ(Header(record.pWEPKey[1], bssid), (std::array<uint32_t, 3>{44, 0x80000001U, 5}));
  EXPECT_EQ(bssid, (std::array<uint8_t, 6>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(record.pWEPKey[1].size(), 44U);
  EXPECT_EQ(record.lWEPKeyLen, (std::array<uint32_t, 4>{0, 44, 0, 0}));
  EXPECT_TRUE(std::equal(wep.begin(), wep.end(), record.pWEPKey[1].begin() + 28));
  EXPECT_EQ(Header(MakeWepKeyBlock(3, false, std::array<uint8_t, 13>{}), bssid)[1], 3U);

  std::array<uint8_t, kPskLength> psk{};
  psk.fill(0x5A);
  SetWpaKey(record, psk);
  EXPECT_EQ(Header(record.pWPAKey, bssid), (std::array<uint32_t, 3>{71, 0x80000000U, 32}));
  EXPECT_EQ(bssid, (std::array<uint8_t, 6>{}));
  EXPECT_EQ(record.lWPAKeyLen, 71U);
  EXPECT_TRUE(std::equal(psk.begin(), psk.end(), record.pWPAKey.begin() + 28));
  EXPECT_EQ(record.pWPAKey.back(), 0);
}

}  // namespace
}  // namespace netvane
