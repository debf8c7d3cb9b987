#include "gui/menu_style.h"

#include <QStyleOptionMenuItem>

namespace zt6::gui {

QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                  const QWidget* widget) const {
  QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
  if (type != CT_MenuItem) return result;
  if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
    const qsizetype signs = item->text.count('&');
    if (signs > 0) result.rwidth() += item->fontMetrics.horizontalAdvance('&') * static_cast<int>(signs);
  }
  return result;
}

}  // namespace zt6::gui
