#pragma once
// The platform's style, less one icon: the menu bar's overflow arrow. Qt
// loads it from a file at the menu bar's creation, which probes every image
// plugin and costs more at start-up than all our controls together; our two
// menu entries always fit, so the arrow is never shown.
#include <QProxyStyle>

namespace vyr::ui {

class EstiloVyr : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap sp, const QStyleOption* o, const QWidget* w) const override {
        if (sp == SP_ToolBarHorizontalExtensionButton) return QIcon();
        return QProxyStyle::standardIcon(sp, o, w);
    }
};

}  // namespace vyr::ui
