#pragma once
// Thumbnails of picture files, decoded on worker threads with QImageReader and
// kept in memory; with "SaveThumbnails" they are also kept on disk, centrally in
// the cache folder or per folder in "Thumbnails.Cache" ("StorageType" 0 or 1).

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QThreadPool>

namespace vantorim::gui {

class ThumbnailCache : public QObject {
  Q_OBJECT
public:
  explicit ThumbnailCache(QObject* parent = nullptr);
  ~ThumbnailCache() override;

  void setThumbnailSize(QSize size);
  QSize thumbnailSize() const { return m_size; }
  // Disk storage: off, central (0) or per folder (1).
  void setStorage(bool save, int storageType);

  // True for names whose extension QImageReader can decode.
  static bool isPicture(const QString& name);

  // The thumbnail when ready; otherwise queues it (once) and returns a null image.
  QImage thumbnail(const QString& path);
  // Drops queued work (folder changed) and writes the folder cache when due.
  void clearQueue();

Q_SIGNALS:
  void ready(const QString& path);

private:
  void store(const QString& path, const QImage& image);
  QString centralFile(const QString& path) const;
  void loadFolderCache(const QString& folder);
  void saveFolderCaches();

  QSize m_size{120, 120};
  bool m_save = false;
  int m_storageType = 0;
  QHash<QString, QImage> m_images;
  QSet<QString> m_pending;
  QSet<QString> m_loadedFolders;
  QSet<QString> m_dirtyFolders;
  QThreadPool m_pool;
  quint64 m_generation = 0;
};

}  // namespace vantorim::gui
