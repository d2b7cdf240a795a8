#pragma once

// Messages as the card loader lays them out, for the benchmarks of the full mailbox: 3,000
// messages, two thirds in the inbox, subjects ISO-2022-JP encoded words.

#include "common/data_block.h"
#include "common/data_kind.h"
#include "common/records.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int MailCount = 3000;

template<size_t N>
void put(char (&field)[N], const std::string &text)
{
    std::snprintf(field, N, "%s", text.c_str());
}

const char *const Months[]
    = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Message i as the card loader lays it out: fixed part, then the text and its NUL.
std::vector<char> message(int i)
{
    const std::string text = "From: user" + std::to_string(i)
                             + "@example.jp\r\nSubject: =?ISO-2022-JP?B?GyRCJCIkJCQmGyhC?=\r\n\r\n"
                             + std::string(200, 'x') + "\r\n";
    MailRecord fixed{};
    fixed.header = {RECORD_VERSION_MAIL, uint32_t(sizeof fixed + text.size() + 1), KIND_MAIL, 0, 0};
    fixed.box = i % 3 == 2 ? 1 : 0;
    fixed.state = i % 4;
    put(fixed.from, "user" + std::to_string((i * 7919) % MailCount) + "@example.jp");
    put(fixed.to, "owner@example.jp");
    // Subjects differ, so that the duplicate test must look at the texts.
    put(fixed.subject, i % 2 ? "=?ISO-2022-JP?B?GyRCJCIkJCQmGyhC?=" : "Re: " + std::to_string(i));
    char date[64];
    std::snprintf(date, sizeof date, "Fri, %02d %s %d %02d:%02d:%02d +0900", 1 + i % 28,
                  Months[i % 12], 2000 + i % 4, i % 24, i % 60, (i * 7) % 60);
    put(fixed.date, date);
    fixed.bodyLength = int32_t(text.size() + 1);
    std::vector<char> bytes(sizeof fixed + text.size() + 1, '\0');
    std::memcpy(bytes.data(), &fixed, sizeof fixed);
    std::memcpy(bytes.data() + sizeof fixed, text.data(), text.size());
    return bytes;
}

// The first count messages chained end to end in one block.
std::vector<char> mailChain(int count)
{
    std::vector<char> block;
    std::vector<size_t> offsets;
    for (int i = 0; i < count; ++i) {
        offsets.push_back(block.size());
        const std::vector<char> bytes = message(i);
        block.insert(block.end(), bytes.begin(), bytes.end());
    }
    for (size_t i = 1; i < offsets.size(); ++i)
        ChainRecords(&block[offsets[i - 1]], &block[offsets[i]]);
    return block;
}

} // namespace
