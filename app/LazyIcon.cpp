#include "app/LazyIcon.h"

#include <QIconEngine>
#include <QPainter>

namespace
{

class LazyFileIconEngine : public QIconEngine
{
  public:
    explicit LazyFileIconEngine(const QList<std::pair<QSize, QString>>& files) : files_(files) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return loaded().pixmap(size, scale, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().actualSize(size, mode, state);
    }
    // The sizes are known without reading the files.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const auto& file : files_)
            sizes << file.first;
        return sizes;
    }
    bool isNull() override { return files_.isEmpty(); }
    QString key() const override { return QStringLiteral("LazyFileIconEngine"); }
    QIconEngine* clone() const override { return new LazyFileIconEngine(files_); }

  private:
    const QIcon& loaded()
    {
        if (icon_.isNull())
            for (const auto& [size, file] : files_)
                icon_.addFile(file, size);
        return icon_;
    }

    QList<std::pair<QSize, QString>> files_;
    QIcon icon_;
};

} // namespace

QIcon lazyIconFromFiles(const QList<std::pair<QSize, QString>>& sizedFiles)
{
    return QIcon(new LazyFileIconEngine(sizedFiles));
}
