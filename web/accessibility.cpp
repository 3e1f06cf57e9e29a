#include "accessibility.h"

#include <cassert>

namespace rutschbild::web {

LiveRegion::LiveRegion()
    : region_(dom::element("announce")), delay_(kDelayMilliseconds, [this] { nextStep(); }),
      pressEnd_(0, [this] { inPress_ = false; })
{
}

// Chromium tells a screen reader what changed between two of its accessibility trees, which it
// builds at most every 150 ms: a sentence written over itself changes nothing and goes unsaid,
// and of two written within one tree only the last is said. So the region is emptied first and
// each sentence written once a tree has seen it empty, one at a time, in order: the same sentence
// twice is said twice, and the winning move's sentence is not lost to the win's. A player who
// presses faster than that hears the latest press, not a backlog of older ones.
void LiveRegion::announce(std::string_view sentence)
{
    if (!inPress_) {
        pending_.clear();
        inPress_ = true;
        pressEnd_.start();
    }
    pending_.emplace_back(sentence);
    if (stepping_)
        return;
    dom::setText(region_, "");
    emptied_ = true;
    stepping_ = true;
    delay_.start();
}

// A delay after the region was emptied, the next sentence; while more wait, the region is
// emptied again a delay later. The last sentence stays on.
void LiveRegion::nextStep()
{
    if (emptied_) {
        assert(!pending_.empty()); // a press that drops the queue adds its own sentence
        dom::setText(region_, pending_.front());
        pending_.pop_front();
    } else {
        dom::setText(region_, "");
    }
    emptied_ = !emptied_;
    stepping_ = !pending_.empty();
    if (stepping_)
        delay_.start();
}

} // namespace rutschbild::web
