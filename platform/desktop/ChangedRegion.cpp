#include "platform/desktop/ChangedRegion.h"

#include <algorithm>

namespace plat::desktop {
namespace {

long long Area(const QRect& r) { return static_cast<long long>(r.width()) * r.height(); }

bool WorthMerging(const QRect& a, const QRect& b) {
  const long long covered = Area(a) + Area(b) - Area(a.intersected(b));
  return Area(a.united(b)) - covered <= kMergeSlack;
}

// Takes the rectangles in turn; each swallows the kept ones worth merging
// with (looking again as it grows) and is kept. The kept ones stay at the
// front, where nothing unread is.
void Merge(std::vector<QRect>* rects) {
  std::vector<QRect>& r = *rects;
  std::size_t kept = 0;
  for (std::size_t next = 0; next < r.size(); ++next) {
    QRect grown = r[next];
    for (std::size_t i = 0; i < kept;) {
      if (!WorthMerging(r[i], grown)) {
        ++i;
        continue;
      }
      grown = grown.united(r[i]);
      r[i] = r[--kept];
      i = 0;
    }
    r[kept++] = grown;
  }
  r.resize(kept);
}

}  // namespace

QRegion ChangedRegion(std::vector<QRect>* rects) {
  std::vector<QRect>& r = *rects;
  r.erase(std::remove_if(r.begin(), r.end(), [](const QRect& q) { return q.isEmpty(); }), r.end());
  Merge(rects);
  std::vector<int> edges;
  for (const QRect& q : r) {
    edges.push_back(q.top());
    edges.push_back(q.bottom() + 1);
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  std::sort(r.begin(), r.end(), [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
  // One band between each two edges: the rectangles crossing it, left to
  // right, joined where they touch; a band alike to the one above extends it.
  std::vector<QRect> bands;
  std::size_t above = 0;  // where the band above starts in bands
  for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
    const int top = edges[e];
    const int height = edges[e + 1] - top;
    const std::size_t start = bands.size();
    for (const QRect& q : r) {
      if (q.top() > top || q.bottom() < top) continue;
      if (bands.size() > start && q.left() <= bands.back().right() + 1) {
        bands.back().setRight(std::max(bands.back().right(), q.right()));
        continue;
      }
      bands.emplace_back(q.left(), top, q.width(), height);
    }
    const std::size_t count = bands.size() - start;
    const bool alike = start > above && start - above == count && bands[above].bottom() + 1 == top &&
                       std::equal(bands.begin() + static_cast<long>(above), bands.begin() + static_cast<long>(start),
                                  bands.begin() + static_cast<long>(start), [](const QRect& a, const QRect& b) {
                                    return a.left() == b.left() && a.right() == b.right();
                                  });
    if (alike) {
      for (std::size_t i = above; i < start; ++i) bands[i].setBottom(top + height - 1);
      bands.resize(start);
    } else if (count > 0) {
      above = start;
    }
  }
  QRegion region;
  region.setRects(bands.data(), static_cast<int>(bands.size()));
  return region;
}

}  // namespace plat::desktop
