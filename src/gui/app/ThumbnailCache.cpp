#include "gui/app/ThumbnailCache.h"

#include "core/platform/SpecialFolders.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPointer>
#include <QRunnable>
#include <QSaveFile>
#include <QThread>

namespace vantorim::gui {

namespace {
constexpr char kFolderCacheName[] = "Thumbnails.Cache";

class DecodeJob : public QRunnable {
public:
  DecodeJob(QString path, QSize size, quint64 generation,
            std::function<void(const QString&, const QImage&, quint64)> deliver)
      : m_path(std::move(path)), m_size(size), m_generation(generation),
        m_deliver(std::move(deliver)) {}
  void run() override {
    QImageReader reader(m_path);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid()) reader.setScaledSize(full.scaled(m_size, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (!image.isNull() && (image.width() > m_size.width() || image.height() > m_size.height()))
      image = image.scaled(m_size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (image.isNull()) image = QImage(1, 1, QImage::Format_ARGB32);  // undecodable: don't retry
    m_deliver(m_path, image, m_generation);
  }

private:
  QString m_path;
  QSize m_size;
  quint64 m_generation;
  std::function<void(const QString&, const QImage&, quint64)> m_deliver;
};
}  // namespace

ThumbnailCache::ThumbnailCache(QObject* parent) : QObject(parent) {
  m_pool.setMaxThreadCount(qMax(1, QThread::idealThreadCount() - 1));
}

ThumbnailCache::~ThumbnailCache() {
  m_pool.clear();
  m_pool.waitForDone();
  saveFolderCaches();
}

void ThumbnailCache::setThumbnailSize(QSize size) {
  if (size == m_size || !size.isValid()) return;
  m_size = size;
  clearQueue();
  m_images.clear();
  m_loadedFolders.clear();
}

void ThumbnailCache::setStorage(bool save, int storageType) {
  m_save = save;
  m_storageType = storageType;
}

bool ThumbnailCache::isPicture(const QString& name) {
  static const QSet<QString> formats = [] {
    QSet<QString> s;
    for (const QByteArray& f : QImageReader::supportedImageFormats()) s.insert(QString::fromLatin1(f).toLower());
    return s;
  }();
  const qsizetype dot = name.lastIndexOf('.');
  return dot >= 0 && formats.contains(name.mid(dot + 1).toLower());
}

QString ThumbnailCache::centralFile(const QString& path) const {
  const QFileInfo info(path);
  const QByteArray key = (path + QString::number(info.lastModified().toMSecsSinceEpoch()) +
                          QString::number(m_size.width()) + 'x' + QString::number(m_size.height()))
                             .toUtf8();
  return platform::cacheFolder() + QStringLiteral("thumbnails/") +
         QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) +
         QStringLiteral(".png");
}

void ThumbnailCache::loadFolderCache(const QString& folder) {
  if (m_loadedFolders.contains(folder)) return;
  m_loadedFolders.insert(folder);
  QFile f(folder + '/' + kFolderCacheName);
  if (!f.open(QIODevice::ReadOnly)) return;
  QDataStream in(&f);
  QSize size;
  qint32 count = 0;
  in >> size >> count;
  if (size != m_size || count < 0) return;
  for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
    QString name;
    qint64 stamp = 0;
    QImage image;
    in >> name >> stamp >> image;
    const QString path = folder + '/' + name;
    if (QFileInfo(path).lastModified().toMSecsSinceEpoch() == stamp) m_images.insert(path, image);
  }
}

void ThumbnailCache::saveFolderCaches() {
  for (const QString& folder : std::as_const(m_dirtyFolders)) {
    QList<QPair<QString, QImage>> entries;
    for (auto it = m_images.cbegin(); it != m_images.cend(); ++it)
      if (QFileInfo(it.key()).absolutePath() == folder) entries.append({it.key(), it.value()});
    QSaveFile f(folder + '/' + kFolderCacheName);
    if (!f.open(QIODevice::WriteOnly)) continue;  // read-only folder: keep in memory only
    QDataStream out(&f);
    out << m_size << qint32(entries.size());
    for (const auto& [path, image] : entries)
      out << QFileInfo(path).fileName() << QFileInfo(path).lastModified().toMSecsSinceEpoch() << image;
    f.commit();
  }
  m_dirtyFolders.clear();
}

QImage ThumbnailCache::thumbnail(const QString& path) {
  if (auto it = m_images.constFind(path); it != m_images.cend()) return *it;
  if (m_save) {
    if (m_storageType == 1) {
      loadFolderCache(QFileInfo(path).absolutePath());
      if (auto it = m_images.constFind(path); it != m_images.cend()) return *it;
    } else {
      QImage image(centralFile(path));
      if (!image.isNull()) {
        m_images.insert(path, image);
        return image;
      }
    }
  }
  if (m_pending.contains(path)) return {};
  m_pending.insert(path);
  QPointer<ThumbnailCache> self(this);
  m_pool.start(new DecodeJob(path, m_size, m_generation,
                             [self](const QString& p, const QImage& img, quint64 gen) {
                               QMetaObject::invokeMethod(
                                   self.data(),
                                   [self, p, img, gen] {
                                     if (!self || gen != self->m_generation) return;
                                     self->m_pending.remove(p);
                                     self->store(p, img);
                                     Q_EMIT self->ready(p);
                                   },
                                   Qt::QueuedConnection);
                             }));
  return {};
}

void ThumbnailCache::store(const QString& path, const QImage& image) {
  m_images.insert(path, image);
  if (!m_save || image.width() <= 1) return;
  if (m_storageType == 1) {
    m_dirtyFolders.insert(QFileInfo(path).absolutePath());
  } else {
    const QString file = centralFile(path);
    QDir().mkpath(QFileInfo(file).absolutePath());
    image.save(file, "PNG");
  }
}

void ThumbnailCache::clearQueue() {
  m_pool.clear();
  ++m_generation;
  m_pending.clear();
  saveFolderCaches();
}

}  // namespace vantorim::gui
