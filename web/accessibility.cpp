#include "accessibility.h"

namespace rutschbild::web {

LiveRegion::LiveRegion()
    : region_(dom::element("announce")),
      delay_(kDelayMilliseconds, [this] { dom::setText(region_, pending_); })
{
}

// Chromium tells a screen reader what changed between two of its accessibility trees, which it
// builds at most every 150 ms: a sentence written over itself changes nothing and goes unsaid. So
// the region is emptied first and the sentence written once a tree has seen it empty; the same
// sentence twice is said twice.
void LiveRegion::announce(std::string_view sentence)
{
    dom::setText(region_, "");
    pending_ = sentence;
    delay_.start();
}

} // namespace rutschbild::web
