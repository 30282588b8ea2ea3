// Writes the page's windows for the site, run under Node.js when the site is made:
//   node velmora_markup.js html    the windows' HTML, for the page's main element
//   node velmora_markup.js css     the style sheet's rules that place their controls

#include "web/pagemarkup.h"

#include <cstdio>
#include <string_view>

int main(int argc, char** argv)
{
    const std::string_view part = argc == 2 ? argv[1] : "";
    if (part != "html" && part != "css") {
        std::fputs("usage: velmora_markup.js html|css\n", stderr);
        return 2;
    }
    const velmora::Markup markup = velmora::pageMarkup();
    const std::string& text = part == "html" ? markup.html() : markup.css();
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0 ? 0
                                                                                                       : 1;
}
