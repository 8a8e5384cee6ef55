// The region a frame's changed rectangles are repainted through. Qt splits
// every region into y-x bands, so fifty scattered sprites become hundreds of
// pieces, each a paint call and a request to the display; a few more pixels
// cost less than a piece.
#pragma once

#include <QRegion>

#include <vector>

namespace plat::desktop {

// A region holding every one of rects (which it reorders and merges), built
// in one pass: rectangles whose common bounding box wastes at most
// kMergeSlack pixels become that box first.
constexpr int kMergeSlack = 1024;
QRegion ChangedRegion(std::vector<QRect>* rects);

}  // namespace plat::desktop
