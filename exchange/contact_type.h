#pragma once

// What the models' phone and mail icons (option lists 201 and 202) say about a number or an
// address, as vCard TYPE values.

#include <string_view>
#include <vector>

namespace exchange {

// The TYPE values iconName (Shift_JIS, as the model names the icon) stands for, in the order
// HOME, WORK, CELL, FAX, PAGER; none when the name says none of them. Read from the words of
// the six models' names: 自宅 (and 家１, 家２, 実家) home; 会社, 勤務先, 仕事 work; 携帯,
// i-mode, iモード, PHS mobile; FAX fax; クイックキャスト (a paging service) pager. "会社ＦＡＸ"
// gives WORK and FAX.
std::vector<std::string_view> contactTypesOf(std::string_view iconName);

} // namespace exchange
