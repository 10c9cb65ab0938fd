#include "PrognozFilters.h"

bool AnyCodeFits(const iArray2D& codes, int a, int b, int c) {
  for (const iArray& code : codes)
    if ((code[0] < 0 || code[0] == a) && (code[1] < 0 || code[1] == b) &&
        (code[2] < 0 || code[2] == c))
      return true;
  return false;
}
