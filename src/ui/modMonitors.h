// The whole-number arithmetic of form placement. Twips become whole numbers the way the form
// system converts to an integer (halves to even); halving then truncates toward zero.
#pragma once

namespace velloway::modMonitors {

// x rounded to a whole number, halves to the even neighbour.
double RoundHalfEven(double x);

// The offset that centres size in space: their difference as a whole number, halved with
// truncation toward zero. An odd difference of 9255 gives 4627.
double HalfOfFreeSpace(double space, double size);

}  // namespace velloway::modMonitors
