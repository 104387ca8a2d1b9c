#pragma once

#include <array>
#include <string_view>

// The fixed tables of the Hindu day, each with the rule it encodes and where
// the rule comes from, in one place.
//
// Kalams: daytime (sunrise to sunset) is cut into eight equal parts, and each
// weekday gives each kalam one part. These are the tables of the common
// almanacs; printed for a 06:00 to 18:00 day they are the familiar fixed-hour
// lists (Rahu kalam Sunday 16:30-18:00, Monday 07:30-09:00, Tuesday
// 15:00-16:30, Wednesday 12:00-13:30, Thursday 13:30-15:00, Friday
// 10:30-12:00, Saturday 09:00-10:30), which the tests check.
//
// Muhurtas: the Abhijit muhurta is the 8th of the 15 equal parts of daytime
// (the one around local noon); the Brahma muhurta is the 14th of the 15 equal
// parts of the night that ends at the day's sunrise (the second muhurta before
// sunrise).
//
// Lunar months: named from the sidereal sign the Sun is in at the new moon
// that begins the month, Meena giving Chaitra, Mesha Vaishakha and so on
// round the twelve.
namespace velmora {

// The part (1..8) of daytime of each kalam, index 0 = Sunday .. 6 = Saturday.
inline constexpr std::array<int, 7> RahuKalamPart = {8, 2, 7, 5, 6, 4, 3};
inline constexpr std::array<int, 7> YamagandaPart = {5, 4, 3, 2, 1, 7, 6};
inline constexpr std::array<int, 7> GulikaKalamPart = {7, 6, 5, 4, 3, 2, 1};
inline constexpr int KalamParts = 8;

inline constexpr int MuhurtaParts = 15;
inline constexpr int AbhijitMuhurtaPart = 8;  // of daytime
inline constexpr int BrahmaMuhurtaPart = 14;  // of the night before sunrise

// The twelve lunar months, 0 = Chaitra .. 11 = Phalguna.
inline constexpr std::array<std::string_view, 12> MasaNames = {
    "Chaitra", "Vaishakha", "Jyeshtha", "Ashadha", "Shravana", "Bhadrapada",
    "Ashwin",  "Kartika",   "Margashirsha", "Pausha", "Magha", "Phalguna"};

// The twelve sidereal signs, 0 = Mesha (0°..30°) .. 11 = Meena.
inline constexpr std::array<std::string_view, 12> SignNames = {
    "Mesha", "Vrishabha", "Mithuna", "Karka",  "Simha", "Kanya",
    "Tula",  "Vrishchika", "Dhanu",  "Makara", "Kumbha", "Meena"};

// The month named from the Sun's sign at the new moon that begins it.
constexpr int MasaOfSunSign(int sign) { return (sign % 12 + 12 + 1) % 12; }

// The Shaka year begins with Chaitra in the Gregorian year (Shaka = year - 78);
// the Vikram year begins at the same moment in this program (Vikram = Shaka + 135).
inline constexpr int ShakaYearOffset = 78;
inline constexpr int VikramFromShaka = 135;

}  // namespace velmora
