#pragma once
// The application style with one start-up saving: the menu bar's overflow
// arrow is drawn from an icon that is loaded only when it is first painted.
// Loading it at once makes Qt's image reader open every image-format plugin
// (and libjpeg) to guess the file's format, for an arrow that shows only
// when the menu bar is too narrow for its entries.

#include <QProxyStyle>

namespace cindrel {

class LightStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace cindrel
