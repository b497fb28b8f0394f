#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The current layout profile: a name and the positions, in twips, of the seven texts.
// A profile starts at the default positions, those "Set Default" writes, so that a print
// before any profile was loaded or saved puts each text where the design has it rather
// than all of them over one another at the corner.
struct LayoutProfileData {
    QString NAMEX;
    std::int16_t ACPAYLEFT = 120;
    std::int16_t ACPAYTOP = 120;
    std::int16_t DATELEFT = 9960;
    std::int16_t DATETOP = 240;
    std::int16_t NAMELEFT = 3240;
    std::int16_t NAMETOP = 720;
    std::int16_t RUPEEWORDLEFT = 2520;
    std::int16_t RUPEEWORDTOP = 1560;
    std::int16_t RUPEENumberLEFT = 9960;
    std::int16_t RUPEENumberTOP = 1680;
    std::int16_t ACLEFT = 1440;
    std::int16_t ACTOP = 2340;
    std::int16_t SIGNLEFT = 5760;
    std::int16_t SIGNTOP = 3960;
};

// One of the 14 positions and the column of the profile table that stores it.
struct LayoutProfilePosition {
    std::int16_t LayoutProfileData::*field;
    const char *column;
};

// The positions in the one order they take everywhere (boxes, statements, table): for
// each printed text its left edge, then its top edge.
inline const std::array<LayoutProfilePosition, 14> LayoutProfilePositions = {{
    {&LayoutProfileData::ACPAYLEFT, "ACPAYLEFT"},
    {&LayoutProfileData::ACPAYTOP, "ACPAYTOP"},
    {&LayoutProfileData::DATELEFT, "DATELEFT"},
    {&LayoutProfileData::DATETOP, "DATETOP"},
    {&LayoutProfileData::NAMELEFT, "NAMELEFT"},
    {&LayoutProfileData::NAMETOP, "NAMETOP"},
    {&LayoutProfileData::RUPEEWORDLEFT, "RUPEEWORDLEFT"},
    {&LayoutProfileData::RUPEEWORDTOP, "RUPEEWORDTOP"},
    {&LayoutProfileData::RUPEENumberLEFT, "RUPEENumberLEFT"},
    {&LayoutProfileData::RUPEENumberTOP, "RUPEENumberTOP"},
    {&LayoutProfileData::ACLEFT, "ACLEFT"},
    {&LayoutProfileData::ACTOP, "ACTOP"},
    {&LayoutProfileData::SIGNLEFT, "SIGNLEFT"},
    {&LayoutProfileData::SIGNTOP, "SIGNTOP"},
}};
