// The enumerations every record set, cursor and front-end shares: lookup modes, set operators,
// field types and sorting orders.
#ifndef FIND_ZTFTYPES_H_
#define FIND_ZTFTYPES_H_

// How a lookup chooses a record for a key, the records being in ascending key order.
enum ztfLookupMode {
  ztfLookupEqual = 0,          // a record whose key equals the key
  ztfLookupBefore = 1,         // the last record whose key is strictly less
  ztfLookupAfter = 2,          // the first record whose key is strictly greater
  ztfLookupEqualOrBefore = 3,  // the last record whose key is less or equal
  ztfLookupEqualOrAfter = 4,   // the first record whose key is greater or equal
};

// Set operators for merging cursors and record sets (6 is not used).
enum ztfOperator {
  ztfOr = 1,      // union
  ztfAnd = 2,     // intersection
  ztfAndNot = 3,  // elements of the first operand not in the second
  ztfNear = 4,    // proximity of full-text queries
  ztfBefore = 5,  // ordered proximity of full-text queries
  ztfAppend = 7,  // the first operand's elements followed by the second's
};

enum ztfFieldType {
  ztfFieldUnknown = 0,
  ztfFieldData = 1,  // bytes; text fields hold NUL-terminated UTF-8
  ztfFieldUNum = 2,  // unsigned 32-bit number
  ztfFieldSNum = 3,  // signed 32-bit number
  ztfFieldLink = 4,  // a range of records of another record set
};

// Comparators negate their result only when the order is exactly descending.
enum ztfSortingOrder {
  ztfSortAscending = 1,
  ztfSortDescending = -1,
};

#endif  // FIND_ZTFTYPES_H_
