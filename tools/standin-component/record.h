#pragma once

#include <string>
#include <vector>

namespace standin {

// Appends one block per start to the file named by KV_STANDIN_RECORD, so a test can see what
// each started component was given. The block, one field per line:
//
//   start
//   pid 4711
//   title Image Burning Wizard
//   cwd /the/working/directory
//   arg /install/dir/ImageBurner.exe
//   arg LaunchComponentApplication
//   arg Korvalen
//   arg Vorerer
//   end
//
// Values are the raw bytes, with a backslash written as \\ and a line break as \n. The block is
// written with one append, so blocks of stand-ins running at once do not mix.
void appendRecord(const std::string& path, const std::string& title,
                  const std::vector<std::string>& arguments);

} // namespace standin
