// Tasks, their records and key blocks, and the queue's order and lifetimes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "survey/KeyBlock.h"
#include "survey/ProfileData.h"
#include "survey/TaskQueue.h"

namespace netvane {
namespace {

std::unique_ptr<ProfileData> Task(uint32_t tag, int32_t type = kTaskApply) {
  auto record = std::make_unique<PROFILE_DATA>();
  record->lRtsThre = tag;
  auto task = ProfileData::setProfileData(std::move(record));
  task->setTaskType(type);
  return task;
}

// The header's fields copied out of the packed record, so the checks bind to aligned values.
struct KeyHeader {
  uint32_t Length, KeyIndex, KeyLength;
  std::array<uint8_t, kMacLength> BSSID;
  uint64_t KeyRSC;
};

KeyHeader Header(const std::vector<uint8_t>& block) {
  NDIS_802_11_KEY h{};
  std::memcpy(&h, block.data(), kKeyHeaderLength);
  KeyHeader out{h.Length, h.KeyIndex, h.KeyLength, {}, h.KeyRSC};
  std::copy(std::begin(h.BSSID), std::end(h.BSSID), out.BSSID.begin());
  return out;
}

TEST(TaskQueue, OldestFirstAndRemovalEndsEachTask) {
  TaskQueue queue;
  EXPECT_EQ(queue.GetTaskObject(), nullptr);
  queue.RemoveTaskObject();  // nothing to remove
  EXPECT_TRUE(queue.IsEmpty());

  queue.InsertTaskObject(Task(1));
  queue.InsertTaskObject(Task(2));
  queue.InsertTaskObject(nullptr);
  ASSERT_EQ(queue.Count(), 2U);
  ASSERT_NE(queue.GetTaskObject(), nullptr);
  EXPECT_EQ(queue.GetTaskObject()->Profile()->lRtsThre, 1U);
  EXPECT_EQ(queue.GetTaskObject()->Profile()->lRtsThre, 1U);  // reading does not take it
  queue.RemoveTaskObject();
  EXPECT_EQ(queue.GetTaskObject()->Profile()->lRtsThre, 2U);
  queue.RemoveTaskObject();
  EXPECT_EQ(queue.GetTaskObject(), nullptr);
}

TEST(TaskQueue, QueueDestructionReleasesTasksStillHeld) {
  // Run under the sanitizer: anything left unreleased is reported as a leak.
  TaskQueue queue;
  auto task = Task(7, kTaskRescan);
  SetWepKey(*task->Profile(), 0, true, std::array<uint8_t, 5>{1, 2, 3, 4, 5});
  queue.InsertTaskObject(std::move(task));
  queue.InsertTaskObject(Task(8));
}

TEST(ProfileData, StartsEmptyAndOwnsWhatItIsGiven) {
  ProfileData task;
  EXPECT_EQ(task.getTaskType(), kTaskNone);
  ASSERT_NE(task.Profile(), nullptr);
  EXPECT_EQ(task.Profile()->bDisassociate, 0);
  EXPECT_EQ(task.Profile()->lWPAKeyLen, 0U);

  auto replacement = std::make_unique<PROFILE_DATA>();
  replacement->lFreq = 2437000;
  PROFILE_DATA* raw = replacement.get();
  task.setProfile(std::move(replacement));
  EXPECT_EQ(task.Profile(), raw);
  EXPECT_EQ(task.Profile()->lFreq, 2437000U);

  task.setProfile(nullptr);
  EXPECT_EQ(task.Profile(), nullptr);
}

TEST(KeyBlock, WepKeyForTransmissionInSlotTwo) {
  PROFILE_DATA record{};
  const std::array<uint8_t, 5> key{0xA1, 0xA2, 0xA3, 0xA4, 0xA5};
  SetWepKey(record, 1, true, key);

  const auto& block = record.pWEPKey[1];
  ASSERT_EQ(block.size(), 44U);
  EXPECT_EQ(record.lWEPKeyLen[1], 44U);
  EXPECT_EQ(record.lWEPKeyLen[0] + record.lWEPKeyLen[2] + record.lWEPKeyLen[3], 0U);
  const KeyHeader h = Header(block);
  EXPECT_EQ(h.Length, 44U);
  EXPECT_EQ(h.KeyIndex, 0x80000001U);
  EXPECT_EQ(h.KeyLength, 5U);
  for (uint8_t b : h.BSSID) EXPECT_EQ(b, 0xFF);
  EXPECT_EQ(h.KeyRSC, 0U);
  EXPECT_TRUE(std::equal(key.begin(), key.end(), block.begin() + kKeyHeaderLength));
  EXPECT_TRUE(std::all_of(block.begin() + kKeyHeaderLength + 5, block.end(),
                          [](uint8_t b) { return b == 0; }));

  const auto other = MakeWepKeyBlock(3, false, std::array<uint8_t, 13>{});
  EXPECT_EQ(other.size(), 52U);
  EXPECT_EQ(Header(other).KeyIndex, 3U);
}

TEST(KeyBlock, WpaPreSharedKey) {
  PROFILE_DATA record{};
  std::array<uint8_t, kPskLength> psk{};
  for (std::size_t i = 0; i < psk.size(); ++i) psk[i] = static_cast<uint8_t>(i + 1);
  SetWpaKey(record, psk);

  ASSERT_EQ(record.pWPAKey.size(), 71U);
  EXPECT_EQ(record.lWPAKeyLen, 71U);
  const KeyHeader h = Header(record.pWPAKey);
  EXPECT_EQ(h.Length, 71U);
  EXPECT_EQ(h.KeyIndex, 0x80000000U);
  EXPECT_EQ(h.KeyLength, 32U);
  for (uint8_t b : h.BSSID) EXPECT_EQ(b, 0);
  EXPECT_TRUE(std::equal(psk.begin(), psk.end(), record.pWPAKey.begin() + kKeyHeaderLength));
}

}  // namespace
}  // namespace netvane
