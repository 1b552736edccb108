#include "LightStyle.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyleOption>
#include <optional>

namespace cindrel {

namespace {

/// Stands for a standard icon of a style and asks the style for it on first use.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(const QStyle *style, QStyle::StandardPixmap which, Qt::LayoutDirection direction)
        : style_(style), which_(which), direction_(direction)
    {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("cindrel-deferred"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(style_, which_, direction_); }

private:
    const QIcon &icon()
    {
        if (!icon_) {
            QStyleOption option;
            option.direction = direction_;
            icon_ = style_->standardIcon(which_, &option);
        }
        return *icon_;
    }

    const QStyle *style_;
    QStyle::StandardPixmap which_;
    Qt::LayoutDirection direction_;
    std::optional<QIcon> icon_;
};

} // namespace

QIcon LightStyle::standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const
{
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton) {
        const Qt::LayoutDirection direction = option ? option->direction : QGuiApplication::layoutDirection();
        return QIcon(new DeferredIconEngine(baseStyle(), which, direction));
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

} // namespace cindrel
