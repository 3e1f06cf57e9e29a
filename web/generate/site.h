#pragma once

// The files of the site made at build time from the control table, so the page carries no second
// copy of its places or words.
#include "layout.h"

#include <ostream>
#include <string>

namespace rutschbild::web {

// Each file's own source tells what it holds.
void writeLayoutCss(std::ostream& css, const std::string& designed, const std::string& touch);
void writeIndexHtml(std::ostream& html);
void writeLayoutJson(std::ostream& json);

// How a control is found in the page: an option button is the label that holds circle and text.
std::string selector(const layout::Control& control);
// A picture set's drawing: its name in lower case.
std::string artFile(std::string_view setName);

} // namespace rutschbild::web
