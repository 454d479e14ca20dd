// Three-way comparisons: the sign of a - b without computing a difference that may overflow.
#ifndef FIND_DETAIL_ZTORDER_H_
#define FIND_DETAIL_ZTORDER_H_

#include <climits>

template <class T>
inline int ztCompare3(T a, T b) {
  return (a > b) - (a < b);
}

// Negates a comparison result for the descending order (exactly -1), without overflowing.
inline int ztApplySortingOrder(int result, int order) {
  if (order != -1) return result;
  return result == INT_MIN ? INT_MAX : -result;
}

#endif  // FIND_DETAIL_ZTORDER_H_
