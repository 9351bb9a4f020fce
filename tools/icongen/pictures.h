// The pictures of the icon generator: the 70 member icons by group, and
// the program's own icons.
#pragma once
#include <functional>
#include <vector>

#include "canvas.h"

namespace icongen {

using Draw = std::function<void(Canvas&)>;

// The colours the member icons share.
namespace palette {
inline const Color blue = rgb(50, 110, 210);
inline const Color red = rgb(215, 50, 50);
inline const Color green = rgb(50, 160, 75);
inline const Color orange = rgb(245, 140, 30);
inline const Color purple = rgb(140, 70, 190);
inline const Color pink = rgb(245, 120, 170);
inline const Color teal = rgb(30, 165, 165);
inline const Color yellow = rgb(245, 200, 40);
inline const Color navy = rgb(40, 55, 110);
inline const Color grey = rgb(120, 125, 135);
inline const Color brown = rgb(150, 90, 50);
inline const Color sky = rgb(100, 180, 240);
inline const Color blond = rgb(225, 180, 80);
inline const Color auburn = rgb(150, 70, 40);
inline const Color silver = rgb(180, 180, 185);
}  // namespace palette

// The member icons of each group, in the order of their numbers (0..69 in
// all, resources 201..270).
std::vector<Draw> peopleIcons();   // 0..13
std::vector<Draw> vehicleIcons();  // 14..23
std::vector<Draw> placeIcons();    // 24..33
std::vector<Draw> symbolIcons();   // 34..51
std::vector<Draw> objectIcons();   // 52..69

// A clock face with hands at ten past ten, for the clock icons.
void clockFace(Canvas& c, double cx, double cy, double r, Color rim);

void drawProgramIcon(Canvas& c);   // 128
void drawMessageIcon(Canvas& c);   // 271, all-members message
void drawBulletinIcon(Canvas& c);  // 272, bulletin board
void drawUpdateClock(Canvas& c);   // 273, update time

}  // namespace icongen
