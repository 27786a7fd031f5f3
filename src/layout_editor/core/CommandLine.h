// The layout editor's command line: one layout file and switches that change nothing. The main
// program appends its paper switches ("/A4", "/B4", "/A3", "/A3TATE", "/A2", "/A1") to the path it
// passes; an argument that begins with "-", or with "/" and holds no other "/", is such a switch
// (an absolute path holds more than one "/"). The first other argument is the file.
#pragma once

#include <string>
#include <vector>

namespace marquell {

class CCommandLineInfo {
public:
    // The file to open (as given, UTF-8); empty: a new layout.
    std::string fileName;
    std::vector<std::string> switches;

    // The arguments after the program's name.
    void Parse(const std::vector<std::string>& arguments);
    static bool IsSwitch(const std::string& argument);
};

} // namespace marquell
