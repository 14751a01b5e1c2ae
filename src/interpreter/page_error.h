// An error that stops the page being built: the player sees its message, the
// tags after the faulty one are not carried out and the page is not
// finished (a picture that cannot be read, a listing file that cannot be
// written). Number conversion errors stop the page the same way.
#pragma once

#include <stdexcept>
#include <string>

namespace qv {

class PageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qv
