#pragma once

#include <array>
#include <string>
#include <string_view>

// The generation options: what the writers put around and into the table.
// Member names are the settings keys; strings are code page 932 bytes.
struct COptionsRecord {
    int Doc = 0;      // tabular: document lines
    int Com = 0;      // tabular: a comment line before every row
    int Label = 0;    // tabular: \label line
    int Table = 0;    // tabular: table and center environments
    int LabelPos = 0; // 0 caption and label above the tabular, any other value below
    std::string LabelStr;
    int Cap = 0; // tabular: \caption line
    std::string CapStr;
    int ArrayCom = 0;   // array: a comment line before every row
    int ArrayDoc = 0;   // array: document lines
    int Kakko = 0;      // array: 0 none, 1 ( ), 2 \{ \}, 3 [ ]
    int Math = 0;       // array: 0 none, 1 $ $, 2 \[ \]
    int BorderHTML = 0; // HTML: TABLE carries BORDER

    bool operator==(const COptionsRecord&) const = default;
};

// One member of the record by its key; exactly one of the two pointers is set.
struct COptionField {
    const char* name;
    int COptionsRecord::*intMember;
    std::string COptionsRecord::*stringMember;
};

// The thirteen members in record order.
inline constexpr std::array<COptionField, 13> OPTION_FIELDS{{
    {"Doc", &COptionsRecord::Doc, nullptr},
    {"Com", &COptionsRecord::Com, nullptr},
    {"Label", &COptionsRecord::Label, nullptr},
    {"Table", &COptionsRecord::Table, nullptr},
    {"LabelPos", &COptionsRecord::LabelPos, nullptr},
    {"LabelStr", nullptr, &COptionsRecord::LabelStr},
    {"Cap", &COptionsRecord::Cap, nullptr},
    {"CapStr", nullptr, &COptionsRecord::CapStr},
    {"ArrayCom", &COptionsRecord::ArrayCom, nullptr},
    {"ArrayDoc", &COptionsRecord::ArrayDoc, nullptr},
    {"Kakko", &COptionsRecord::Kakko, nullptr},
    {"Math", &COptionsRecord::Math, nullptr},
    {"BorderHTML", &COptionsRecord::BorderHTML, nullptr},
}};

// The field named key (case-sensitive), or nullptr.
inline const COptionField* FindOptionField(std::string_view key) {
    for (const COptionField& f : OPTION_FIELDS)
        if (key == f.name)
            return &f;
    return nullptr;
}
