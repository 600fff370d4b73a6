#include "Graph.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace {

constexpr int kLogoWidth = 235;
constexpr int kLogoHeight = 150;

} // namespace

QString CGraph::LogoFile() const
{
    if (logoPath.isEmpty())
        return QString();
    QString file = QDir::fromNativeSeparators(logoPath);
    if (!file.endsWith(QLatin1Char('/')))
        file += QLatin1Char('/');
    return QDir::toNativeSeparators(file + QStringLiteral("logo.bmp"));
}

QSize CGraph::LogoSize(QSize picture)
{
    if (picture.width() <= 0 || picture.height() <= 0)
        return QSize();
    double scale = double(kLogoWidth) / picture.width();
    if (picture.height() * scale > kLogoHeight)
        scale = double(kLogoHeight) / picture.height();
    return QSize(int(picture.width() * scale), int(picture.height() * scale));
}

const QImage& CGraph::Logo()
{
    const QString file = LogoFile();
    const QFileInfo info(file);
    const bool exists = !file.isEmpty() && info.isFile();
    const QDateTime modified = exists ? info.lastModified() : QDateTime();
    const qint64 size = exists ? info.size() : -1;
    if (logo.checked && logo.file == file && logo.modified == modified && logo.size == size)
        return logo.scaled;

    logo.file = file;
    logo.modified = modified;
    logo.size = size;
    logo.checked = true;
    logo.scaled = QImage();
    if (!exists)
        return logo.scaled;
    // The reader refuses pictures beyond its allocation limit, so a huge
    // file cannot exhaust memory.
    const QImage picture = QImageReader(file).read();
    const QSize drawn = LogoSize(picture.size());
    if (picture.isNull() || drawn.isEmpty())
        return logo.scaled;
    // A plain stretch, no smoothing, as the picture is copied pixel by pixel.
    logo.scaled = picture.scaled(drawn, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                      .convertToFormat(QImage::Format_RGB32);
    return logo.scaled;
}
