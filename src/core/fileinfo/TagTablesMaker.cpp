#include "core/fileinfo/TagTables.h"

namespace vantorim::fileinfo {

namespace {
using C = Conversion;
constexpr const char* kLowNormalHigh = "0:Normal,1:Low,2:High";
}  // namespace

const std::vector<TagRow>& makerTagRows(MakerTable table) {
  static const std::vector<TagRow> nikon = {
      {0x0001, "FamilyID", "Family ID", nullptr, nullptr, C::None},
      {0x0002, "ISOSpeed", "ISO Speed", nullptr, nullptr, C::None},
      {0x0003, "ColorMode", "Color Mode", nullptr, nullptr, C::None},
      {0x0004, "Quality", "Quality", nullptr, nullptr, C::None},
      {0x0005, "WhiteBalance", "White Balance", nullptr, nullptr, C::None},
      {0x0006, "ImageSharpening", "Image Sharpening", nullptr, nullptr, C::None},
      {0x0007, "FocusMode", "Focus Mode", nullptr, nullptr, C::None},
      {0x0008, "FlashSetting", "Flash Setting", nullptr, nullptr, C::None},
      {0x0009, "AutoFlashMode", "Auto Flash Mode", nullptr, nullptr, C::None},
      {0x000A, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x000B, "WhiteBiasValue", "White Bias Value", nullptr, nullptr, C::None},
      {0x000F, "DigitalZoom", "Digital Zoom", nullptr, nullptr, C::None},
      {0x0010, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0011, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0080, "ImageAdjustment", "Image Adjustment", nullptr, nullptr, C::None},
      {0x0081, "ImageAdjustment", "Image Adjustment", nullptr, nullptr, C::None},
      {0x0082, "Adapter", "Adapter", nullptr, nullptr, C::None},
      {0x0084, "LensInformation", "Lens information", nullptr, nullptr, C::NikonLens},
      {0x0085, "ManualFocusDistance", "Manual Focus Distance", nullptr, nullptr, C::None},
      {0x0086, "DigitalZoom", "Digital Zoom", nullptr, nullptr, C::None},
      {0x0088, "FocusArea", "Focus Area", nullptr, nullptr, C::None},
      {0x0089, "Mode", "Mode", nullptr, nullptr, C::None},
      {0x008D, "ColorMode", "Color Mode", nullptr, nullptr, C::NikonColorMode},
      {0x008F, "SceneMode", "Scene Mode", nullptr, nullptr, C::None},
      {0x0092, "HueAdjustment", "Hue Adjustment", nullptr, nullptr, C::None},
      {0x0094, "Saturation", "Saturation", nullptr, nullptr, C::None},
      {0x0095, "NoiseReduction", "Noise Reduction", nullptr, nullptr, C::None},
      {0x0F00, "Skip", "Skip", nullptr, nullptr, C::None},
  };
  static const std::vector<TagRow> nikonOld = {
      {0x0002, "FamilyID", "FamilyID", nullptr, nullptr, C::None},
      {0x0003, "Quality", "Quality",
       "1:Vga Basic,2:Vga Normal,3:Vga Fine,4:SXGA Basic,5:SXGA Normal,6:SXGA Fine10:2 Mpixel "
       "Basic,11:2 Mpixel Normal,12:2 Mpixel Fine",
       nullptr, C::None},
      {0x0004, "ColorMode", "ColorMode", "1:Color,2:Monochrome", nullptr, C::None},
      {0x0005, "ImageAdjustment", "ImageAdjustment",
       "0:Normal,1:Bright+,2:Bright-,3:Contrast+,4:Contrast-", nullptr, C::None},
      {0x0006, "ISOSpeed", "ISOSpeed", "0:ISO80,2:ISO160,4:ISO320,5:ISO100", nullptr, C::None},
      {0x0007, "WhiteBalance", "WhiteBalance",
       "0:Auto,1:Preset,2:Daylight,3:Incandescense,4:Fluorescence,5:Cloudy,6:SpeedLight", nullptr,
       C::None},
      {0x0008, "Focus", "Focus", nullptr, nullptr, C::None},
      {0x0009, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x000A, "DigitalZoom", "DigitalZoom", nullptr, nullptr, C::None},
      {0x000B, "Converter", "Converter", "0:Not used,1:Used", nullptr, C::None},
      {0x0F00, "Skip", "Skip", nullptr, nullptr, C::None},
  };
  static const std::vector<TagRow> olympus = {
      {0x0200, "SpecialMode", "SpecialMode", nullptr, nullptr, C::None},
      {0x0201, "JpegQual", "JpegQual", "1:SQ,2:HQ,3:SHQ,4:Raw", nullptr, C::None},
      {0x0202, "Macro", "Macro", "0=Normal,1:Macro;", nullptr, C::None},
      {0x0203, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0204, "DigiZoom", "Digital Zoom Ratio", nullptr, nullptr, C::None},
      {0x0205, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0206, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0207, "Firmware", "Firmware", nullptr, nullptr, C::None},
      {0x0208, "PictInfo", "Picture Info", nullptr, nullptr, C::None},
      {0x0209, "CameraID", "Camera ID", nullptr, nullptr, C::None},
      {0x0F00, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x1004, "FlashMode", "Flash Mode", nullptr, nullptr, C::None},
      {0x1006, "Bracket", "Bracket", nullptr, nullptr, C::None},
      {0x100B, "FocusMode", "Focus Mode", nullptr, nullptr, C::None},
      {0x100C, "FocusDistance", "Focus Distance", nullptr, nullptr, C::None},
      {0x100D, "Zoom", "Zoom", nullptr, nullptr, C::None},
      {0x100E, "MacroFocus", "Macro Focus", nullptr, nullptr, C::None},
      {0x100F, "Sharpness", "Sharpness", nullptr, nullptr, C::None},
      {0x1011, "ColorMatrix", "Color Matrix", nullptr, nullptr, C::None},
      {0x1012, "BlackLevel", "Black Level", nullptr, nullptr, C::None},
      {0x1015, "WhiteBalance", "White Balance", nullptr, nullptr, C::None},
      {0x1017, "RedBias", "Red Bias", nullptr, nullptr, C::None},
      {0x1018, "BlueBias", "Blue Bias", nullptr, nullptr, C::None},
      {0x101A, "SerialNumber", "SerialNumber", nullptr, nullptr, C::None},
      {0x1023, "FlashBias", "Flash Bias", nullptr, nullptr, C::None},
      {0x1029, "Contrast", "Contrast", nullptr, nullptr, C::None},
      {0x102A, "SharpnessFactor", "Sharpness Factor", nullptr, nullptr, C::None},
      {0x102B, "ColorControl", "Color Control", nullptr, nullptr, C::None},
      {0x102C, "ValidBits", "Valid Bits", nullptr, nullptr, C::None},
      {0x102D, "Coring", "Coring Filter", nullptr, nullptr, C::None},
      {0x102E, "FinalWidth", "Final Width", nullptr, nullptr, C::None},
      {0x102F, "FinalHeight", "Final Height", nullptr, nullptr, C::None},
      {0x1034, "CompressionRatio", "Compression Ratio", nullptr, nullptr, C::None},
  };
  static const std::vector<TagRow> casio = {
      {0x0001, "RecordingMode", "RecordingMode",
       "1:Single Shutter,2:Panorama,3:Night Scene,4:Portrait,5:Landscape", nullptr, C::None},
      {0x0002, "Quality", "Quality", "1:Economy,2:Normal,3:Fine", nullptr, C::None},
      {0x0003, "FocusingMode", "FocusingMode", "2:Macro,3:Auto Focus,4:Manual Focus,5:Infinity",
       nullptr, C::None},
      {0x0004, "FlashMode", "FlashMode", "1:Auto,2:On,3:Off,4:Red Eye Reduction", nullptr, C::None},
      {0x0005, "FlashIntensity", "FlashIntensity", "11:Weak,13:Normal,15:Strong", nullptr, C::None},
      {0x0006, "ObjectDistance", "ObjectDistance", nullptr, nullptr, C::None},
      {0x0007, "WhiteBalance", "WhiteBalance",
       "1:Auto,2:Tungsten,3:Daylight,4:Fluorescent,5:Shade,129:Manual", nullptr, C::None},
      {0x0008, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0009, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x000A, "DigitalZoom", "DigitalZoom", "65536:Off,65537:2X Digital Zoom", nullptr, C::None},
      {0x000B, "Sharpness", "Sharpness", "0:Normal,1:Soft,2:Hard", nullptr, C::None},
      {0x000C, "Contrast", "Contrast", kLowNormalHigh, nullptr, C::None},
      {0x000D, "Saturation", "Saturation", kLowNormalHigh, nullptr, C::None},
      {0x000E, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x000F, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0010, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0011, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0012, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0013, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0014, "CCDSensitivity", "CCDSensitivity",
       "64:Normal,125:+1.0,250:+2.0,244:+3.0,80:Normal,100:High", nullptr, C::None},
      {0x0015, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0016, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0017, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0018, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0019, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x001A, "Skip", "Skip", nullptr, nullptr, C::None},
  };
  static const std::vector<TagRow> fuji = {
      {0x0000, "Version", "Version", nullptr, nullptr, C::None},
      {0x1000, "Quality", "Quality", nullptr, nullptr, C::None},
      {0x1001, "Sharpness", "Sharpness", "1:Soft,2:Soft,3:Normal,4:Hard,5:Hard", nullptr, C::None},
      {0x1002, "WhiteBalance", "WhiteBalance",
       "0:Auto,256:Daylight,512:Cloudy,768:DaylightColor-fluorescence,769:DaywhiteColor-"
       "fluorescence,770:White-fluorescence,1024:Incandenscense,3840:Custom white balance.",
       nullptr, C::None},
      {0x1003, "Color", "Color", "0:Normal,256:High,512:Low", nullptr, C::None},
      {0x1004, "Tone", "Tone", "0:Normal,256:High,512:Low", nullptr, C::None},
      {0x1010, "FlashMode", "FlashMode", "0:Auto,1:On,2:Off,3:Red-eye reduction", nullptr, C::None},
      {0x1011, "FlashStrength", "FlashStrength", nullptr, nullptr, C::None},
      {0x1020, "Macro", "Macro", "0:Off,1:On", nullptr, C::None},
      {0x1021, "Focusmode", "Focusmode", "0:Auto Focus,1:Manual Focus", nullptr, C::None},
      {0x1030, "SlowSync", "SlowSync", "0:Off,1:On", nullptr, C::None},
      {0x1031, "PictureMode", "PictureMode",
       "0:Auto,1:Portrait scene,2:Landscape scene,4:Sports scene,5:Night scene,6:Program "
       "AE,256:Aperture prior AE,512:Shutter prior AE,768:Manual exposure",
       nullptr, C::None},
      {0x1032, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x1100, "ContTake/Bracket", "ContTake/Bracket", "0:Off,1:On", nullptr, C::None},
      {0x1200, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x1300, "BlurWarning", "BlurWarning", "0:No blur warning,1:Blur warning", nullptr, C::None},
      {0x1301, "FocusWarning", "FocusWarning", "0:Auto Focus good,1:Out of focus", nullptr,
       C::None},
      {0x1302, "AEWarning", "AEWarning", "0:AE good,1:Over exposure", nullptr, C::None},
  };
  static const std::vector<TagRow> canon = {
      {0x0000, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0001, "ExposureInfo1", "ExposureInfo1", nullptr, nullptr, C::CanonExposure1},
      {0x0002, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0003, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0004, "ExposureInfo2", "ExposureInfo2", nullptr, nullptr, C::CanonExposure2},
      {0x0006, "ImageType", "ImageType", nullptr, nullptr, C::None},
      {0x0007, "FirmwareVersion", "FirmwareVersion", nullptr, nullptr, C::None},
      {0x0008, "ImageNumber", "ImageNumber", nullptr, nullptr, C::None},
      {0x0009, "OwnerName", "OwnerName", nullptr, nullptr, C::None},
      {0x000A, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x000B, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x000C, "CameraSerialNumber", "CameraSerialNumber", nullptr, nullptr, C::None},
      {0x000D, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x000E, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x000F, "CustomFunctions", "CustomFunctions", nullptr, nullptr, C::CanonCustom},
      {0x0010, "Skip", "Skip", nullptr, nullptr, C::None},
  };
  static const std::vector<TagRow> seiko = {
      {0x0200, "Special Mode", "Special Mode", nullptr, nullptr, C::None},
      {0x0201, "JpegQuality", "JpegQuality", nullptr, nullptr, C::None},
      {0x0202, "Macro", "Macro", nullptr, nullptr, C::None},
      {0x0203, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0204, "DigiZoom", "DigiZoom", nullptr, nullptr, C::None},
      {0x0209, "CameraID", "CameraID", nullptr, nullptr, C::None},
      {0x020A, "Comments", "Comments", nullptr, nullptr, C::None},
      {0x020B, "Width", "Width", nullptr, nullptr, C::None},
      {0x020C, "Height", "Height", nullptr, nullptr, C::None},
      {0x020D, "SoftRelease", "SoftRelease", nullptr, nullptr, C::None},
      {0x0300, "??", "??", nullptr, nullptr, C::None},
      {0x0F00, "skip", "skip", nullptr, nullptr, C::None},
  };
  static const std::vector<TagRow> sanyo = {
      {0x0200, "Special Mode", "Special Mode", nullptr, nullptr, C::None},
      {0x0201, "JpegQuality", "JpegQuality", nullptr, nullptr, C::None},
      {0x0202, "Macro", "Macro", nullptr, nullptr, C::None},
      {0x0203, "Skip", "Skip", nullptr, nullptr, C::None},
      {0x0204, "DigiZoom", "DigiZoom", nullptr, nullptr, C::None},
      {0x0F00, "DataDump", "DataDump", nullptr, nullptr, C::None},
  };
  static const std::vector<TagRow> minolta = {
      {0x0000, "ModelID", "ModelID", nullptr, nullptr, C::None},
      {0x0E00, "PIMdata", "PIMdata", nullptr, nullptr, C::None},
  };
  switch (table) {
    case MakerTable::Nikon: return nikon;
    case MakerTable::NikonOld: return nikonOld;
    case MakerTable::Olympus: return olympus;
    case MakerTable::Casio: return casio;
    case MakerTable::Fuji: return fuji;
    case MakerTable::Canon: return canon;
    case MakerTable::Seiko: return seiko;
    case MakerTable::Sanyo: return sanyo;
    case MakerTable::Minolta: return minolta;
  }
  return minolta;
}

QString descriptionFromName(const QString& name) {
  if (name.contains('/')) return name;
  QString out;
  for (int i = 0; i < name.size(); ++i) {
    const QChar c = name[i];
    if (i > 0 && c.isUpper() && !name[i - 1].isUpper()) out += ' ';
    out += c;
  }
  return out;
}

QString jpegMarkerName(int marker) {
  switch (marker) {
    case 0xC0: return "Baseline";
    case 0xC1: return "Extended sequential";
    case 0xC2: return "Progressive";
    case 0xC3: return "Lossless";
    case 0xC4: return "Define Huffman table";
    case 0xC5: return "Differential sequential";
    case 0xC6: return "Differential progressive";
    case 0xC7: return "Differential lossless";
    case 0xC9: return "Extended sequential, arithmetic coding";
    case 0xCA: return "Progressive, arithmetic coding";
    case 0xCB: return "Lossless, arithmetic coding";
    case 0xCC: return "Define arithmetic coding conditioning";
    case 0xCD: return "Differential sequential, arithmetic coding";
    case 0xCE: return "Differential progressive, arithmetic coding";
    case 0xCF: return "Differential lossless, arithmetic coding";
    case 0xD8: return "Start of Image";
    case 0xD9: return "End of Image";
    case 0xDA: return "Start of Scan";
    case 0xDB: return "Define quantization table";
    case 0xDC: return "Define number of lines";
    case 0xDD: return "Restart interoperability definition";
    case 0xDE: return "Define hierarchical progression";
    case 0xDF: return "Expand reference component";
    case 0xE0: return "JPG marker";
    case 0xE1: return "Exif Data";
    case 0xE2: return "Exif Extended Data";
    case 0xED: return "IPTC data";
    case 0xEE: return "Photoshop data";
    case 0xFE: return "Comment";
    default: return "Unknown";
  }
}

}  // namespace vantorim::fileinfo
