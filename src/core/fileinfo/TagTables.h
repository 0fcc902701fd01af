#pragma once
// Built-in tag tables of the picture reader: the main TIFF/EXIF table, the GPS
// table and the camera makers' private tables.

#include <QString>

#include <vector>

namespace vantorim::fileinfo {

// Special value texts computed from a tag's value.
enum class Conversion {
  None,
  Components,    // ComponentsConfiguration: Y, Cb, Cr, R, G, B
  ShutterSpeed,  // APEX shutter speed to seconds
  Flash,         // flash bits to words
  UserComment,   // drop the character-code prefix
  XpText,        // 16-bit characters stored as bytes
  GpsCoord,      // degrees, minutes, seconds
  GpsTime,       // h:m:s
  NikonLens,     // four rationals: focal range and apertures
  NikonColorMode,
  CanonExposure1,
  CanonExposure2,
  CanonCustom,
};

struct TagRow {
  quint16 tag;
  const char* name;
  const char* description;  // nullptr: made from the name
  const char* decode;       // "n:text,n:text" or nullptr
  const char* format;       // printf-like format or nullptr
  Conversion conversion;
};

const std::vector<TagRow>& mainTagRows();
const std::vector<TagRow>& gpsTagRows();

enum class MakerTable { Nikon, NikonOld, Olympus, Casio, Fuji, Canon, Seiko, Sanyo, Minolta };
const std::vector<TagRow>& makerTagRows(MakerTable table);

// Description made from a name: a blank before every capital that follows a non-capital.
QString descriptionFromName(const QString& name);

// Name of a JPEG marker for the verbose section list.
QString jpegMarkerName(int marker);

}  // namespace vantorim::fileinfo
