// The checked reader held to a plain tokenizer, value by value and message
// by message, on random inputs biased to where its shortcuts could slip: the
// bytes beside the digits, signs, every white-space byte, bytes outside
// ASCII, numbers at the ends of 32 and 64 bits, long runs of digits, both
// byte-order marks, tokens across a refill and reads of every size. Included
// by one file of each test that links a copy of the reader: the reader's own
// (reader_test.cpp) and bipartite's bulk path over it
// (bipartite_bulk_reader_test.cpp). Each input is read afresh from its start
// (restart_input).
#pragma once

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "reader.h"

const char* const input_name = "reader.in";

namespace harness {

std::mt19937 random(17);
std::string input;
std::size_t served;
bool short_reads;

}  // namespace harness

// The first read holds the byte-order mark, if there is one, as a file's
// first read does; after it, with `short_reads`, any size down to a byte.
std::size_t read_input(char* to, std::size_t size) {
    namespace h = harness;
    std::size_t count = std::min(size, h::input.size() - h::served);
    if (h::short_reads && count > 3) {
        const std::size_t least = h::served == 0 ? 3 : 1;
        const std::size_t most = h::random() % 4 ? std::min<std::size_t>(count, 40) : count;
        count = least + h::random() % (most - least + 1);
    }
    h::input.copy(to, count, h::served);
    h::served += count;
    return count;
}

namespace {

// What the reader must make of a text: the values of its numbers up to the
// first fault, then the message of that fault, or of the end of the input
// where one more number is asked for.
struct Reading {
    std::vector<int> values;
    std::string message;
};

// What the i-th number read is called in messages.
const char* name_of(std::size_t i) { return i % 3 == 0 ? "n" : "edge"; }
int item_of(std::size_t i) { return i % 3 == 0 ? 0 : static_cast<int>(i); }

Reading reference(const std::string& text) {
    Reading reading;
    const std::string prefix = std::string(input_name) + ": ";
    std::size_t at = 0;
    const bool unmarked = text.size() >= 2 && (text[0] == '\0') != (text[1] == '\0');
    if (text.compare(0, 2, "\xff\xfe") == 0 || text.compare(0, 2, "\xfe\xff") == 0 || unmarked) {
        reading.message = prefix + "the file is UTF-16 text; save it as ASCII or UTF-8";
        return reading;
    }
    if (text.compare(0, 3, "\xef\xbb\xbf") == 0) at = 3;
    const auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    for (std::size_t i = 0;; ++i) {
        const std::string label = item_of(i) > 0
                                      ? std::string(name_of(i)) + " " + std::to_string(item_of(i))
                                      : std::string(name_of(i));
        while (at < text.size() && space(text[at])) ++at;
        if (at == text.size()) {
            reading.message = prefix + (item_of(i) > 0 ? "expected 2 numbers for " : "expected ") +
                              label + ", found end of file";
            return reading;
        }
        std::size_t end = at;
        while (end < text.size() && !space(text[end])) ++end;
        const std::string token = text.substr(at, end - at);
        at = end;

        std::string shown;
        for (const unsigned char c : token.substr(0, 24)) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            shown += c >= ' ' && c <= '~' ? std::string(1, static_cast<char>(c)) : hex;
        }
        if (token.size() > 24) shown += "...";
        const std::size_t sign = token[0] == '+' || token[0] == '-';
        if (sign == token.size() ||
            token.find_first_not_of("0123456789", sign) != std::string::npos) {
            reading.message = prefix + label + ": \"" + shown + "\" is not an integer";
            return reading;
        }
        const std::size_t first = token.find_first_not_of('0', sign);
        const std::string digits = first == std::string::npos ? "0" : token.substr(first);
        const long long value = digits.size() > 10 ? LLONG_MAX : std::stoll(digits);
        if (value > (token[0] == '-' ? 1LL << 31 : INT_MAX)) {
            reading.message = prefix + label + ": " + shown + " is outside the 32-bit range";
            return reading;
        }
        reading.values.push_back(static_cast<int>(token[0] == '-' ? -value : value));
    }
}

std::size_t below(std::size_t bound) { return harness::random() % bound; }

// A bulk path over the reader's buffer, as bipartite's read_ints: the next
// numbers, as many of `count` as it takes, into `values`.
using Bulk = std::size_t (*)(int* values, std::size_t count);

// What the reader under test makes of `text`, read as `reference` reads it;
// with `bulk`, it takes from 0 to 80 numbers before each read_int, half of
// the time.
Reading actual(const std::string& text, bool short_reads, Bulk bulk) {
    harness::input = text;
    harness::served = 0;
    harness::short_reads = short_reads;
    restart_input();
    Reading reading;
    try {
        for (std::size_t i = 0;; ++i) {
            if (bulk && below(2)) {
                std::vector<int> taken(below(81));  // no room past what is asked for
                const std::size_t got = bulk(taken.data(), taken.size());
                if (got > taken.size()) ADD_FAILURE() << got << " numbers for " << taken.size();
                reading.values.insert(reading.values.end(), taken.begin(),
                                      taken.begin() + std::min(got, taken.size()));
                i += got;
            }
            reading.values.push_back(read_int(name_of(i), item_of(i)));
        }
    } catch (const Fault& fault) {
        reading.message = fault.file + ": " + fault.what;
    }
    return reading;
}

template <class T, std::size_t size>
const T& any(const T (&choices)[size]) {
    return choices[below(size)];
}

// A number near where the reader's arithmetic could slip, as text.
std::string number() {
    static const long long edges[] = {
        0,          1,          9,          10,         99999999,   100000000,      999999999,
        1000000000, 2147483647, 2147483648, 4294967295, 4294967296, 999999999999999};
    long long value;
    switch (below(4)) {
        case 0:
            value = static_cast<long long>(below(100));
            break;
        case 1:
            value = any(edges) + static_cast<long long>(below(5)) - 2;
            break;
        case 2:
            value = static_cast<long long>(harness::random());
            break;
        default:
            value = static_cast<long long>(below(1000000000)) * 1000000000 + below(1000000000);
    }
    std::string text = std::to_string(value < 0 ? 0 : value);
    if (below(4) == 0) {  // 8, 15, 16, 25 or 64 digits and more, some of them leading zeros
        static const std::size_t lengths[] = {8, 15, 16, 17, 24, 25, 26, 40, 70};
        const std::size_t length = any(lengths);
        if (text.size() < length) text.insert(0, length - text.size(), '0');
        if (below(2)) {
            for (char& c : text) c = static_cast<char>('0' + below(10));
        }
    }
    return text;
}

// A token: mostly a number, with a sign or not, and at times with a byte
// that is not a digit inside it or after it.
std::string random_token() {
    static const char* const signs[] = {"", "", "", "", "-", "-", "+", "--", "+-", "-+"};
    static const char odd[] = {'/', ':',    '0',    '9',    'x',    '.',    '\0',   '+',
                               '-', '\x7f', '\x80', '\xff', '\x08', '\x0e', '\x1f', '!'};
    if (below(8) == 0) {
        static const char* const alone[] = {"+", "-", "/", ":", "--", "+-"};
        return below(2) ? any(alone) : std::string(1 + below(3), any(odd));
    }
    std::string text = std::string(any(signs)) + number();
    if (below(5) == 0) text.insert(text.begin() + below(text.size() + 1), any(odd));
    if (below(10) == 0) text.back() = static_cast<char>(0x80 + below(128));
    return text;
}

std::string blanks() {
    static const char white[] = {' ', ' ', '\n', '\t', '\r', '\v', '\f'};
    std::string text(below(6) == 0 ? 2 + below(30) : 1 + below(2), ' ');
    for (char& c : text) c = any(white);
    return text;
}

std::string tokens(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += random_token() + (i + 1 < count ? blanks() : "");
    return text;
}

// Mostly plain numbers of one to ten digits, which read_ints takes where
// they are within 32 bits, at times with leading zeros, and at times of ten
// or eleven digits around 10^9 and 2^31; one token in 20 anything else.
std::string plain_tokens(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        std::string token(1 + below(10), '0');
        for (char& c : token) c = static_cast<char>('0' + below(10));
        if (below(4) == 0) {
            static const long long near[] = {999999999, 1000000000, 2147483647, 2147483648};
            token = std::to_string(any(near) + static_cast<long long>(below(5)) - 2);
            token.insert(0, 10 + below(2) - token.size(), '0');  // ten digits, or eleven
        }
        text += below(20) == 0 ? random_token() : token;
        if (i + 1 < count) text += below(4) ? std::string(1, " \n"[below(2)]) : blanks();
    }
    return text;
}

void expect_alike(const std::string& text, bool short_reads, Bulk bulk = nullptr) {
    const Reading expected = reference(text), got = actual(text, short_reads, bulk);
    ASSERT_EQ(got.values, expected.values) << printable(text.substr(0, 200));
    ASSERT_EQ(got.message, expected.message) << printable(text.substr(0, 200));
}

// Whole reads, with a run of blanks that puts the later tokens at every
// offset from a refill (at 64 KiB): before it, across it and after it; read
// one at a time or, with `bulk`, plain numbers in bulk.
void expect_alike_across_a_refill(Bulk bulk = nullptr) {
    for (std::size_t offset = 0; offset < 64; ++offset) {
        for (int round = 0; round < 10; ++round) {
            const std::string first = random_token() + " ";
            const std::string text = first + std::string((1 << 16) - first.size() - offset, ' ') +
                                     (bulk ? plain_tokens(1 + below(40)) : tokens(1 + below(4)));
            ASSERT_NO_FATAL_FAILURE(expect_alike(text, false, bulk));
        }
    }
}

}  // namespace
