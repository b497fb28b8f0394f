#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The current layout profile: a name and the positions, in twips, of the seven texts.
struct LayoutProfileData {
    QString NAMEX;
    std::int16_t ACPAYLEFT = 0;
    std::int16_t ACPAYTOP = 0;
    std::int16_t DATELEFT = 0;
    std::int16_t DATETOP = 0;
    std::int16_t NAMELEFT = 0;
    std::int16_t NAMETOP = 0;
    std::int16_t RUPEEWORDLEFT = 0;
    std::int16_t RUPEEWORDTOP = 0;
    std::int16_t RUPEENumberLEFT = 0;
    std::int16_t RUPEENumberTOP = 0;
    std::int16_t ACLEFT = 0;
    std::int16_t ACTOP = 0;
    std::int16_t SIGNLEFT = 0;
    std::int16_t SIGNTOP = 0;
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
