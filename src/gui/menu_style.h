#pragma once
// The style of the main menu's popups. Captions may carry more than one accelerator
// ("축(&a) + 허브(&H)"); the platform style sizes an item without its "&" signs but
// measures each "&" after the first as a glyph when it fits the text into the item,
// so such captions lost their middle to an ellipsis. Items are made that much wider.

#include <QProxyStyle>

namespace zt6::gui {

class MenuStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
};

}  // namespace zt6::gui
