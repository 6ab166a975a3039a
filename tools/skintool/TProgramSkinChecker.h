#pragma once

#include <string>
#include <vector>

class TSeSkinSource;

namespace skintool {

// The facts the program's windows and controls rely on in the program's own skin, beyond
// what any sound skin needs (TSkinLinter): its name and author, its counts of bitmaps and
// objects, the frame's parts and geometry as the library lays it out at several sizes, the
// window region the frame's tree yields, the caption buttons, the button, tab, edit, group
// box, grid and menu parts and colours, and state pictures that can be told apart.
class TProgramSkinChecker {
 public:
  // One line per problem, empty when the skin is as the program needs it.
  static std::vector<std::string> Check(const TSeSkinSource& source);
};

}  // namespace skintool
