// Writes the generated files of the site; compiled for node, it runs at build time.
//   generate SITE_DIR LAYOUT_JSON DESIGNED_CSS TOUCH_CSS
#include "site.h"

#include <cctype>
#include <fstream>
#include <iostream>
#include <sstream>

namespace rutschbild::web {

std::string selector(const layout::Control& control)
{
    const std::string name(control.name);
    return control.role == layout::Role::OptionButton ? "label[for=" + name + "]" : "#" + name;
}

std::string artFile(std::string_view setName)
{
    std::string name = "art/";
    for (const char c : setName)
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name + ".svg";
}

} // namespace rutschbild::web

static std::string readFile(const char* path)
{
    std::ostringstream content;
    content << std::ifstream(path).rdbuf();
    return content.str();
}

int main(int argc, char** argv)
{
    using namespace rutschbild::web;
    const std::string designed = argc == 5 ? readFile(argv[3]) : "";
    const std::string touch = argc == 5 ? readFile(argv[4]) : "";
    if (designed.empty() || touch.empty()) {
        std::cerr
            << "usage: generate SITE_DIR LAYOUT_JSON DESIGNED_CSS TOUCH_CSS (both readable)\n";
        return 2;
    }
    std::ofstream css(std::string(argv[1]) + "/layout.css"),
        html(std::string(argv[1]) + "/index.html"), json(argv[2]);
    writeLayoutCss(css, designed, touch);
    writeIndexHtml(html);
    writeLayoutJson(json);
    if (css && html && json)
        return 0;
    std::cerr << "generate: cannot write into " << argv[1] << " or " << argv[2] << "\n";
    return 1;
}
