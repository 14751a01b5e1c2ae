// Where the gamebook's skin pictures are found: "./grafika/" + name with the
// first of the extensions .png, .jpg, .gif whose file exists, relative to the
// working directory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// nullopt when the picture exists in none of the three formats.
std::optional<std::string> FindPicture(std::string_view name);

// The path a window loads for a skin picture: the found file, or
// "./grafika/" + name unchanged when there is none, so that the load fails
// with a message naming the picture.
std::string PicturePathFor(std::string_view name);

}  // namespace qv
