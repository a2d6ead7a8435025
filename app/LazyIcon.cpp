#include "app/LazyIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

namespace
{

class LazyIconEngine : public QIconEngine
{
  public:
    // `sizes` answers availableSizes without making the icon; when empty, the
    // made icon answers.
    LazyIconEngine(std::function<QIcon()> make, QList<QSize> sizes) : make_(std::move(make)), sizes_(std::move(sizes))
    {
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return made().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return made().pixmap(size, scale, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        made().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return made().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return sizes_.isEmpty() ? made().availableSizes(mode, state) : sizes_;
    }
    // Asking would make the icon, and buttons ask before they are drawn.
    bool isNull() override { return isMade_ && icon_.isNull(); }
    QString key() const override { return QStringLiteral("LazyIconEngine"); }
    QIconEngine* clone() const override
    {
        auto* copy = new LazyIconEngine(make_, sizes_);
        copy->icon_ = icon_;
        copy->isMade_ = isMade_;
        return copy;
    }

  private:
    const QIcon& made()
    {
        if (!isMade_) {
            isMade_ = true;
            icon_ = make_();
        }
        return icon_;
    }

    std::function<QIcon()> make_;
    QList<QSize> sizes_;
    QIcon icon_;
    bool isMade_ = false;
};

// Qt's menu bar asks for its overflow button's icon as the bar is made, and
// the style reads that picture at once through Qt's image readers, which load
// every image format plugin (and the SVG library) to learn which of them reads
// a PNG. The button shows only when the menus do not fit the window.
class LazyOverflowIconStyle : public QProxyStyle
{
  public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(which, option, widget);
        // The direction decides the picture; the style may be replaced before it is drawn.
        const Qt::LayoutDirection direction = option ? option->direction : QGuiApplication::layoutDirection();
        QPointer<QStyle> base = baseStyle();
        return lazyIcon([base, which, direction] {
            QStyleOption asked;
            asked.direction = direction;
            return base ? base->standardIcon(which, &asked) : QIcon();
        });
    }
};

} // namespace

QIcon lazyIconFromFiles(const QList<std::pair<QSize, QString>>& sizedFiles)
{
    if (sizedFiles.isEmpty())
        return QIcon();
    QList<QSize> sizes;
    for (const auto& file : sizedFiles)
        sizes << file.first;
    return QIcon(new LazyIconEngine(
        [sizedFiles] {
            QIcon icon;
            for (const auto& [size, file] : sizedFiles)
                icon.addFile(file, size);
            return icon;
        },
        sizes));
}

QIcon lazyIcon(std::function<QIcon()> make)
{
    return QIcon(new LazyIconEngine(std::move(make), {}));
}

void makeOverflowIconsLazy()
{
    QStyle* current = QApplication::style();
    if (!current || dynamic_cast<LazyOverflowIconStyle*>(current))
        return;
    // The proxy takes the current style over; the application then owns the proxy.
    QApplication::setStyle(new LazyOverflowIconStyle(current));
}
