// The output surface the report is written on: the printed document or the
// preview's page pictures. All lengths are in centimetres; font sizes are in
// points. y grows downwards from the top of the printable area; x grows to the
// right from the left margin, so that x = 0 is where the report's lines begin.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace korain {

// Printer pages carry a header and a footer and keep the page set-up's bottom
// margin; preview pages are plain pictures.
enum class SurfaceKind { Printer, Preview };

struct PrintFont {
  std::string Name = "Arial";
  double Size = 10;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;

  bool operator==(const PrintFont&) const = default;
};

// A picture that the report places on a page: the logo of the front page, or
// the drawing of one bulkhead. The surface that can draw pictures does.
struct ReportPicture {
  enum class Kind { Logo, Bulkhead };
  Kind kind = Kind::Logo;
  int bulkhead = 0;  // for a bulkhead drawing, its position in the arrangement

  bool operator==(const ReportPicture&) const = default;
};

// The surface keeps the current position, the current font and the left
// margin; its implementations measure and draw. Text is placed by the top of
// its line, as the position's y says.
class PrintSurface {
 public:
  virtual ~PrintSurface() = default;

  virtual SurfaceKind kind() const = 0;
  // False once the user has closed the preview that shows the surface, or
  // has stopped the printing.
  virtual bool isVisible() const = 0;

  double x() const { return x_; }
  double y() const { return y_; }
  void setX(double x) { x_ = x; }
  void setY(double y) { y_ = y; }

  // The distance from the printable area's left edge to x = 0.
  double leftMargin() const { return leftMargin_; }
  void setLeftMargin(double margin) { leftMargin_ = margin; }
  // The width lines may take from x = 0: the sheet less as much on the right
  // as lies left of x = 0, so that both margins of the sheet are equal, and
  // never beyond the printable area.
  double width() const;
  virtual double height() const = 0;

  const PrintFont& font() const { return font_; }
  void setFont(const PrintFont& font);

  // Measures in the current font; the height is that of one line.
  virtual double textWidth(std::string_view text) const = 0;
  virtual double textHeight(std::string_view text) const = 0;
  // The width of one tab column.
  virtual double averageCharWidth() const = 0;
  // The height of "Ég": an accent above and a descender below.
  double lineHeight() const;

  // Prints at the current position; x moves to the end of the text.
  void print(std::string_view text);
  // x returns to 0 and y moves down one line.
  void newLine();
  void drawLine(double x1, double y1, double x2, double y2);
  void drawRect(double x, double y, double width, double height);
  // Draws the picture into the box, its aspect ratio kept.
  void drawPicture(const ReportPicture& picture, double x, double y, double width, double height);

  // Ends the page and starts the next one at position (0, 0).
  void newPage();
  // Ends the last page; nothing is drawn after it.
  virtual void endDocument() = 0;
  // The page being drawn, from 1.
  int pageNumber() const { return page_; }

 protected:
  // The whole printable width, from the printable area's left edge.
  virtual double areaWidth() const = 0;
  // The sheet's width, and how far the printable area begins from its left
  // edge; a surface that knows no sheet is all printable area.
  virtual double sheetWidth() const { return areaWidth(); }
  virtual double areaLeft() const { return 0; }
  virtual void applyFont(const PrintFont& font) = 0;
  // Positions from here on are measured from the printable area's left edge.
  virtual void drawTextAt(double x, double y, std::string_view text) = 0;
  virtual void drawLineAt(double x1, double y1, double x2, double y2) = 0;
  virtual void drawRectAt(double x, double y, double width, double height) = 0;
  virtual void drawPictureAt(const ReportPicture& picture, double x, double y, double width,
                             double height) = 0;
  virtual void startPage() = 0;

 private:
  double x_ = 0;
  double y_ = 0;
  double leftMargin_ = 0;
  PrintFont font_;
  int page_ = 1;
};

}  // namespace korain
