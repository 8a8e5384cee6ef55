// The Craps table on a screen of its own, without a running program: the
// generated picture loaded and remapped as at start-up, and the animations
// stepped frame by frame with a flush between frames, as the frame pump does.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dq/CrapsClientRecord.h"
#include "dq/CrapsTableView.h"
#include "tests/support/TempFolder.h"

// One animation step as the client machine calls it.
using AnimStep = std::function<int(dq::CrapsClientRecord*)>;

struct AnimRun {
  int frames = 0;        // calls until the step answered 1
  int spriteFrames = 0;  // frames whose work layer showed something over the table
  int lastingFrames = 0; // frames that changed the table itself
  std::vector<std::uint8_t> table;  // the background layer at the end
  dq::CrapsClientRecord record{};
  dq::TableViewState view{};
  std::vector<std::string> sounds;  // wave names in order, with "!" after a waited one
};

class CrapsAnimTable : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A fresh table for record: the view and the animations reset, then the
  // picture, every pile and the puck at the record's point (or OFF).
  // puckPoint: where the puck stands (-1: the record's point).
  void StartTable(const dq::CrapsClientRecord& record, int puckPoint = -1);
  // Runs step once per frame until it answers 1 (at most limit frames).
  AnimRun Run(dq::CrapsClientRecord record, const AnimStep& step, int animations,
              int limit = 5000);
  // The background layer now.
  static std::vector<std::uint8_t> Table();
  // A picture pixel's colour index.
  static int PicturePixel(int x, int y);
  static int TablePixel(int x, int y);

  unsigned seed = 0;

 private:
  TempFolder folder_;
  std::string previous_;
};

// Runs steps one after the other, each until it answers 1, as the client
// machine moves from state to state: one step per frame.
class AnimChain {
 public:
  explicit AnimChain(std::vector<AnimStep> steps) : steps_(std::move(steps)) {}
  int operator()(dq::CrapsClientRecord* record);

 private:
  std::vector<AnimStep> steps_;
  std::size_t at_ = 0;
};
