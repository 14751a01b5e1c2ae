#include "state/shelf_window.h"

#include <algorithm>
#include <utility>

#include "data/cp1250.h"

namespace qv {

ShelfWindow::ShelfWindow(std::vector<ShelfBook> books) : books_(std::move(books)) {
  if (!books_.empty()) selected_ = 0;
}

std::optional<std::size_t> ShelfWindow::BookInRow(int row) const {
  if (row < 0 || row >= kRowsShown) return std::nullopt;
  const std::size_t book = first_shown_ + static_cast<std::size_t>(row);
  if (book >= books_.size()) return std::nullopt;
  return book;
}

void ShelfWindow::Select(std::size_t book) {
  if (books_.empty()) return;
  book = std::min(book, books_.size() - 1);
  if (selected_ != book) status_.clear();
  selected_ = book;
  // The picked row stays in view.
  const auto shown = static_cast<std::size_t>(kRowsShown);
  if (book < first_shown_) first_shown_ = book;
  if (book >= first_shown_ + shown) first_shown_ = book + 1 - shown;
}

void ShelfWindow::Choose() {
  if (!selected_) return;
  const ShelfBook& book = books_[*selected_];
  if (!book.Problem.empty()) {
    status_ = std::string(kShelfUnplayable) + Utf8ToCp1250(book.Problem);
    return;
  }
  chosen_ = selected_;
  Close();
}

void ShelfWindow::RowMouseMove(int row) {
  if (const auto book = BookInRow(row)) Select(*book);
}

void ShelfWindow::RowClick(int row) {
  if (const auto book = BookInRow(row)) {
    Select(*book);
    Choose();
  }
}

void ShelfWindow::KeyDown(ShelfKey key) {
  const std::size_t at = selected_.value_or(0);
  const auto page = static_cast<std::size_t>(kRowsShown);
  switch (key) {
    case ShelfKey::Up:
      if (at > 0) Select(at - 1);
      break;
    case ShelfKey::Down:
      Select(at + 1);
      break;
    case ShelfKey::PageUp:
      Select(at > page ? at - page : 0);
      break;
    case ShelfKey::PageDown:
      Select(at + page);
      break;
    case ShelfKey::Home:
      Select(0);
      break;
    case ShelfKey::End:
      if (!books_.empty()) Select(books_.size() - 1);
      break;
    case ShelfKey::Enter:
      Choose();
      break;
    case ShelfKey::Escape:
      Close();
      break;
  }
}

void ShelfWindow::MouseWheel(int steps) {
  const auto shown = static_cast<std::size_t>(kRowsShown);
  const std::size_t last_first = books_.size() > shown ? books_.size() - shown : 0;
  if (steps < 0) {
    const auto up = static_cast<std::size_t>(-static_cast<long long>(steps));
    first_shown_ = first_shown_ > up ? first_shown_ - up : 0;
  } else {
    first_shown_ = std::min(last_first, first_shown_ + static_cast<std::size_t>(steps));
  }
}

}  // namespace qv
