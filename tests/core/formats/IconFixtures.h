#pragma once
// Icon images and tiny Windows program files built byte by byte for tests.

#include "core/formats/ByteSource.h"
#include "core/formats/IconImage.h"
#include "core/formats/IconWriter.h"

#include <QByteArray>

#include <vector>

namespace vantorim::test {

using formats::putLe16;
using formats::putLe32;

// A width x height image whose pixels cycle through `colors` (0xAARRGGBB);
// the left column is masked.
inline formats::IconImage patternImage(int width, int height, const std::vector<uint32_t>& colors) {
  formats::IconImage img;
  img.width = width;
  img.height = height;
  img.sourceBitsPerPixel = 32;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      img.color.push_back(colors[size_t(y * width + x) % colors.size()]);
      img.mask.push_back(x == 0 ? 1 : 0);
    }
  return img;
}

// The device-independent bitmap part of an icon file written for `img`.
inline QByteArray iconBitmap(const formats::IconImage& img) { return formats::encodeIconFile(img).mid(22); }

struct PeIconGroup {
  std::vector<QByteArray> images;  // bitmaps of the group's images
};

// A PE32 (or PE32+) file with one resource section holding the groups' icon
// images (RT_ICON, ids from 1) and the groups (RT_GROUP_ICON, ids from 1).
inline QByteArray makePeWithIcons(const std::vector<PeIconGroup>& groups, bool pe32plus = false) {
  struct Leaf {
    uint32_t type, id;
    QByteArray data;
  };
  std::vector<Leaf> icons, groupLeaves;
  uint32_t nextIcon = 1;
  for (size_t g = 0; g < groups.size(); ++g) {
    QByteArray dir(6 + 14 * qsizetype(groups[g].images.size()), '\0');
    putLe16(dir, 2, 1);
    putLe16(dir, 4, uint32_t(groups[g].images.size()));
    for (size_t i = 0; i < groups[g].images.size(); ++i) {
      const QByteArray& bmp = groups[g].images[i];
      const qsizetype e = 6 + 14 * qsizetype(i);
      const uint32_t w = uint32_t(uint8_t(bmp[4])) | (uint32_t(uint8_t(bmp[5])) << 8);
      const uint32_t h = (uint32_t(uint8_t(bmp[8])) | (uint32_t(uint8_t(bmp[9])) << 8)) / 2;
      const uint32_t bits = uint32_t(uint8_t(bmp[14]));
      dir[e] = char(w & 0xFF);
      dir[e + 1] = char(h & 0xFF);
      dir[e + 2] = char(bits == 1 ? 2 : bits == 4 ? 16 : 0);
      putLe16(dir, e + 4, 1);
      putLe16(dir, e + 6, bits);
      putLe32(dir, e + 8, uint32_t(bmp.size()));
      putLe16(dir, e + 12, nextIcon);
      icons.push_back({3, nextIcon++, bmp});
    }
    groupLeaves.push_back({14, uint32_t(g + 1), dir});
  }
  // Layout: root, the two type directories, one language directory per
  // leaf, the data entries, then the data.
  const uint32_t rootSize = 16 + 8 * 2;
  const uint32_t iconDirAt = rootSize;
  const uint32_t groupDirAt = iconDirAt + 16 + 8 * uint32_t(icons.size());
  uint32_t langAt = groupDirAt + 16 + 8 * uint32_t(groupLeaves.size());
  std::vector<Leaf*> all;
  for (auto& l : icons) all.push_back(&l);
  for (auto& l : groupLeaves) all.push_back(&l);
  const uint32_t dataEntriesAt = langAt + 24 * uint32_t(all.size());
  uint32_t dataAt = dataEntriesAt + 16 * uint32_t(all.size());
  QByteArray rsrc(dataAt, '\0');
  const uint32_t sectionRva = 0x1000;
  auto dirHead = [&](uint32_t at, uint32_t ids) { putLe16(rsrc, at + 14, ids); };
  dirHead(0, 2);
  putLe32(rsrc, 16, 3);
  putLe32(rsrc, 20, 0x80000000u | iconDirAt);
  putLe32(rsrc, 24, 14);
  putLe32(rsrc, 28, 0x80000000u | groupDirAt);
  dirHead(iconDirAt, uint32_t(icons.size()));
  dirHead(groupDirAt, uint32_t(groupLeaves.size()));
  for (size_t i = 0; i < all.size(); ++i) {
    Leaf& l = *all[i];
    const bool isIcon = i < icons.size();
    const uint32_t typeDir = isIcon ? iconDirAt : groupDirAt;
    const uint32_t slot = uint32_t(isIcon ? i : i - icons.size());
    const uint32_t myLang = langAt + 24 * uint32_t(i);
    putLe32(rsrc, typeDir + 16 + 8 * slot, l.id);
    putLe32(rsrc, typeDir + 20 + 8 * slot, 0x80000000u | myLang);
    dirHead(myLang, 1);
    putLe32(rsrc, myLang + 16, 0x0409);
    const uint32_t entry = dataEntriesAt + 16 * uint32_t(i);
    putLe32(rsrc, myLang + 20, entry);
    while (rsrc.size() % 4) rsrc.append('\0');
    putLe32(rsrc, entry, sectionRva + uint32_t(rsrc.size()));
    putLe32(rsrc, entry + 4, uint32_t(l.data.size()));
    rsrc.append(l.data);
  }
  while (rsrc.size() % 512) rsrc.append('\0');

  const uint32_t optSize = pe32plus ? 240 : 224;
  const uint32_t headersSize = 0x200;
  QByteArray pe(headersSize, '\0');
  pe[0] = 'M';
  pe[1] = 'Z';
  putLe32(pe, 0x3C, 0x40);
  pe.replace(0x40, 4, QByteArray("PE\0\0", 4));
  const qsizetype coff = 0x44;
  putLe16(pe, coff, pe32plus ? 0x8664 : 0x14C);
  putLe16(pe, coff + 2, 1);
  putLe16(pe, coff + 16, optSize);
  putLe16(pe, coff + 18, 0x2102);
  const qsizetype opt = coff + 20;
  putLe16(pe, opt, pe32plus ? 0x20B : 0x10B);
  putLe32(pe, opt + 32, 0x1000);  // section alignment
  putLe32(pe, opt + 36, 0x200);   // file alignment
  putLe32(pe, opt + 56, sectionRva + uint32_t(rsrc.size()));  // size of image
  putLe32(pe, opt + 60, headersSize);
  putLe16(pe, opt + 68, 2);  // subsystem: GUI
  const qsizetype countAt = opt + (pe32plus ? 108 : 92);
  const qsizetype dirs = opt + (pe32plus ? 112 : 96);
  putLe32(pe, countAt, 16);
  putLe32(pe, dirs + 16, sectionRva);
  putLe32(pe, dirs + 20, uint32_t(rsrc.size()));
  const qsizetype sec = opt + optSize;
  pe.replace(sec, 6, QByteArray(".rsrc\0", 6));
  putLe32(pe, sec + 8, uint32_t(rsrc.size()));
  putLe32(pe, sec + 12, sectionRva);
  putLe32(pe, sec + 16, uint32_t(rsrc.size()));
  putLe32(pe, sec + 20, headersSize);
  putLe32(pe, sec + 36, 0x40000040u);
  return pe + rsrc;
}

// An icon file with several images.
inline QByteArray makeIcoFile(const std::vector<QByteArray>& images) {
  QByteArray out(6 + 16 * qsizetype(images.size()), '\0');
  putLe16(out, 2, 1);
  putLe16(out, 4, uint32_t(images.size()));
  for (size_t i = 0; i < images.size(); ++i) {
    const QByteArray& bmp = images[i];
    const qsizetype e = 6 + 16 * qsizetype(i);
    out[e] = bmp[4];
    out[e + 1] = char(((uint32_t(uint8_t(bmp[8])) | (uint32_t(uint8_t(bmp[9])) << 8)) / 2) & 0xFF);
    putLe16(out, e + 4, 1);
    putLe16(out, e + 6, uint8_t(bmp[14]));
    putLe32(out, e + 8, uint32_t(bmp.size()));
  }
  for (size_t i = 0; i < images.size(); ++i) {
    putLe32(out, 6 + 16 * qsizetype(i) + 12, uint32_t(out.size()));
    out.append(images[i]);
  }
  return out;
}

}  // namespace vantorim::test
