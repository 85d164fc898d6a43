#pragma once
// Records are declared once, as a field list, so that the struct and its
// reflection (dump, set and expect of the replay harness, tests) cannot drift.
//
//   #define MY_FIELDS(F) F(int32_t, phase) F(double, vScale, 1.0)
//   VEL_RECORD(MyRecord, MY_FIELDS)
//
// The optional trailing arguments are the brace initialiser of the field.
#include <array>
#include <cstdint>
#include <string>

namespace vel {

template <class T, std::size_t N>
using Arr = std::array<T, N>;
template <class T, std::size_t N, std::size_t M>
using Arr2 = std::array<std::array<T, M>, N>;

}  // namespace vel

#define VEL_DECLARE_FIELD(type, name, ...) type name{__VA_ARGS__};
#define VEL_VISIT_FIELD(type, name, ...) v(#name, r.name);

#define VEL_RECORD(Rec, FIELDS)                                   \
    struct Rec {                                                  \
        FIELDS(VEL_DECLARE_FIELD)                                 \
        static constexpr const char* recordName = #Rec;           \
        template <class Self, class V>                            \
        static void forEachField(Self& r, V&& v) {                \
            FIELDS(VEL_VISIT_FIELD)                               \
        }                                                         \
    };
