#include "chart/DeferredFills.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

namespace cyclo {
namespace {

// Fills of at least this many pixels wait to be written row by row; the
// limit on waiting fills keeps the bookkeeping small.
constexpr std::int64_t kDeferredFillArea = 1024;
constexpr std::size_t kMaxPendingFills = 128;

// Plain stores in blocks of eight, which the compiler turns into vector
// stores.
void fillRow(std::uint32_t* row, int count, std::uint32_t colour)
{
    constexpr int kBlock = 8;
    int i = 0;
    for (; i + kBlock <= count; i += kBlock) {
        for (int k = 0; k < kBlock; ++k)
            row[i + k] = colour;
    }
    for (; i < count; ++i)
        row[i] = colour;
}

} // namespace

DeferredFills::DeferredFills(int width, int height, PixelSource pixels)
    : width_(width), height_(height), pixels_(std::move(pixels))
{}

void DeferredFills::resize(int width, int height)
{
    discard();
    width_ = width;
    height_ = height;
}

void DeferredFills::fill(int left, int top, int right, int bottom, std::uint32_t colour)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_);
    bottom = std::min(bottom, height_);
    if (right <= left || bottom <= top)
        return;
    if (static_cast<std::int64_t>(right - left) * (bottom - top) >= kDeferredFillArea) {
        if (pendingFills_.size() >= kMaxPendingFills)
            settleAll();
        if (pendingFills_.empty()) {
            settledFills_.assign(static_cast<std::size_t>(height_), 0);
            queuedRuns_.resize(static_cast<std::size_t>(height_));
        }
        // Runs waiting on these rows came before this fill.
        for (int y = top; y < bottom; ++y) {
            if (!queuedRuns_[static_cast<std::size_t>(y)].empty())
                settleRows(y, y + 1);
        }
        pendingFills_.push_back({left, top, right, bottom, colour});
        fillEdges_.clear();
        return;
    }
    // A small fill on rows that are still waiting waits with them, to be
    // written while the row is written anyway.
    if (!pendingFills_.empty() &&
        std::all_of(settledFills_.begin() + top, settledFills_.begin() + bottom,
                    [this](std::size_t settled) { return settled < pendingFills_.size(); })) {
        for (int y = top; y < bottom; ++y) {
            auto& queued = queuedRuns_[static_cast<std::size_t>(y)];
            // A flat stretch of a curve comes pixel by pixel: one run.
            if (!queued.empty() && queued.back().right == left && queued.back().colour == colour)
                queued.back().right = right;
            else
                queued.push_back({left, right, colour});
        }
        return;
    }
    const RasterRows raster = pixels_();
    settleRows(raster, top, bottom);
    for (int y = top; y < bottom; ++y)
        fillRow(raster.row(y) + left, right - left, colour);
}

void DeferredFills::settleRows(int top, int bottom)
{
    if (!pendingFills_.empty())
        settleRows(pixels_(), top, bottom);
}

void DeferredFills::settleAll()
{
    settleRows(0, height_);
    discard();
}

// Writes the waiting fills to rows top .. bottom-1 as if they had been
// written in the order they came, but every pixel once and each row from
// left to right; neighbouring rows that the same fills cover share the work
// of finding their spans. Other rows keep waiting, so that the small fills
// drawn on them later are written while the row is at hand.
void DeferredFills::settleRows(const RasterRows& raster, int top, int bottom)
{
    if (pendingFills_.empty())
        return;
    top = std::max(top, 0);
    bottom = std::min(bottom, height_);
    if (fillEdges_.empty()) {
        for (const PendingFill& fill : pendingFills_) {
            fillEdges_.push_back(fill.top);
            fillEdges_.push_back(fill.bottom);
        }
        fillEdges_.push_back(height_);
        std::sort(fillEdges_.begin(), fillEdges_.end());
    }
    for (int y = top; y < bottom; ++y) {
        const std::size_t settled = settledFills_[static_cast<std::size_t>(y)];
        if (settled == pendingFills_.size())
            continue;
        // Up to the next top or bottom of a pending fill, every row is
        // covered by the same fills; those with as many fills written share
        // the work.
        const int edge = *std::upper_bound(fillEdges_.begin(), fillEdges_.end(), y);
        const int limit = std::min(bottom, edge);
        int last = y + 1;
        while (last < limit && settledFills_[static_cast<std::size_t>(last)] == settled)
            ++last;
        settleRun(raster, y, last);
        y = last - 1;
    }
}

void DeferredFills::discard()
{
    pendingFills_.clear();
    fillEdges_.clear();
    for (auto& queued : queuedRuns_)
        queued.clear();
}

// Writes rows first .. last-1, which the same pending fills cover.
void DeferredFills::settleRun(const RasterRows& raster, int first, int last)
{
    collectSpans(first, settledFills_[static_cast<std::size_t>(first)]);
    // Rows the fills cover from edge to edge are all alike: put the row
    // together once and copy it, one call per row instead of one per span.
    const bool wholeRows = last - first > 1 && covered_.size() == 1 &&
                           covered_.front().first <= 0 && covered_.front().second >= width_;
    if (wholeRows) {
        rowBuffer_.resize(static_cast<std::size_t>(width_));
        for (const PendingFill& span : spans_)
            fillRow(rowBuffer_.data() + span.left, span.right - span.left, span.colour);
    }
    for (int y = first; y < last; ++y) {
        std::uint32_t* const row = raster.row(y);
        if (wholeRows) {
            std::memcpy(row, rowBuffer_.data(), rowBuffer_.size() * sizeof(std::uint32_t));
        } else {
            for (const PendingFill& span : spans_)
                fillRow(row + span.left, span.right - span.left, span.colour);
        }
        auto& queued = queuedRuns_[static_cast<std::size_t>(y)];
        for (const RowRun& run : queued)
            fillRow(row + run.left, run.right - run.left, run.colour);
        queued.clear();
        settledFills_[static_cast<std::size_t>(y)] = pendingFills_.size();
    }
}

// The spans a row gets from the pending fills from `first` on, left to
// right: going from the last fill to the first, each contributes only the
// columns no later one covers.
void DeferredFills::collectSpans(int y, std::size_t first)
{
    covered_.clear();
    spans_.clear();
    for (std::size_t i = pendingFills_.size(); i-- > first;) {
        const PendingFill& fill = pendingFills_[i];
        if (y >= fill.top && y < fill.bottom)
            fillUncovered(fill.left, fill.right, fill.colour);
    }
    std::sort(spans_.begin(), spans_.end(),
              [](const PendingFill& a, const PendingFill& b) { return a.left < b.left; });
}

// Adds the columns left .. right-1 that covered_ does not hold yet to spans_,
// then adds them to covered_ (sorted, disjoint column spans).
void DeferredFills::fillUncovered(int left, int right, std::uint32_t colour)
{
    int from = left;
    auto span = covered_.begin();
    for (; span != covered_.end() && span->first < right; ++span) {
        if (span->second <= from)
            continue;
        if (span->first > from)
            spans_.push_back({from, 0, span->first, 0, colour});
        from = std::max(from, span->second);
    }
    if (from < right)
        spans_.push_back({from, 0, right, 0, colour});

    // Merge [left, right) into the covered spans.
    auto first = std::find_if(covered_.begin(), covered_.end(),
                              [left](const auto& s) { return s.second >= left; });
    auto last =
        std::find_if(first, covered_.end(), [right](const auto& s) { return s.first > right; });
    int mergedLeft = left;
    int mergedRight = right;
    if (first != last) {
        mergedLeft = std::min(mergedLeft, first->first);
        mergedRight = std::max(mergedRight, std::prev(last)->second);
    }
    const auto at = covered_.erase(first, last);
    covered_.insert(at, {mergedLeft, mergedRight});
}

} // namespace cyclo
