// SPDX-License-Identifier: ISC
// Exhaustive sweeps: the number writer and the parser on every int, the
// parser on every short text, every operator argument of up to two bytes,
// and the operations on every left operand against boundary divisors and
// right operands, each checked against std::to_chars or the model. Slow
// unless optimised; each sweep spreads over every core.
#include "calc/calc.hpp"
#include "model.hpp"
#include "process.hpp"
#include "text_input/text_input.hpp"
#include "text_output/text_output.hpp"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <thread>
#include <unistd.h>

namespace {

// What the product wrote on this thread, and whether a call was anything
// but one byte to standard output.
thread_local char written[64];
thread_local std::size_t length;
thread_local bool odd_call;

} // namespace

// The product's write(2), linked in here in place of the C library's: it
// records each call instead of making it.
extern "C" ssize_t write(int fd, const void *buf, size_t n)
{
	odd_call |= fd != 1 || n != 1;
	for (size_t i = 0; i < n && length < sizeof written; i++)
		written[length++] = static_cast<const char *>(buf)[i];
	return static_cast<ssize_t>(n);
}

namespace {

// Calls ok(v) for every v from first to last, split over the cores; returns
// a v where ok failed (the first of the lowest failing core), or none.
template <class Ok> std::optional<std::int64_t> sweep(std::int64_t first, std::int64_t last, Ok ok)
{
	const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
	const std::int64_t share = (last - first) / cores + 1;
	std::vector<std::optional<std::int64_t>> failed(cores);
	std::vector<std::thread> workers;
	for (unsigned c = 0; c < cores; c++) {
		workers.emplace_back([&, c] {
			std::int64_t from = first + c * share;
			std::int64_t to = std::min(last, from + share - 1);
			for (std::int64_t v = from; v <= to && !failed[c]; v++)
				if (!ok(v))
					failed[c] = v;
		});
	}
	for (std::thread &w : workers)
		w.join();
	for (const auto &f : failed)
		if (f)
			return f;
	return std::nullopt;
}

// The canonical text of n, NUL-terminated, and its length.
std::size_t canonical(int n, char (&text)[16])
{
	auto size = static_cast<std::size_t>(std::to_chars(text, text + 15, n).ptr - text);
	text[size] = '\0';
	return size;
}

} // namespace

TEST(sweep, number_writer_on_every_int)
{
	auto bad = sweep(INT_MIN, INT_MAX, [](std::int64_t v) {
		char want[16];
		std::size_t size = canonical(static_cast<int>(v), want);
		length = 0;
		odd_call = false;
		ku_number_write(static_cast<int>(v));
		return !odd_call && length == size && std::memcmp(written, want, size) == 0;
	});
	EXPECT_FALSE(bad) << "ku_number_write(" << *bad << ")";
}

TEST(sweep, parser_on_the_text_of_every_int)
{
	auto bad = sweep(INT_MIN, INT_MAX, [](std::int64_t v) {
		char text[16];
		canonical(static_cast<int>(v), text);
		return ku_atoi(text) == v;
	});
	EXPECT_FALSE(bad) << "ku_atoi of the text of " << *bad;
}

// Every text of up to 7 bytes over an alphabet that holds both sides of each
// boundary of the character classes, and of up to 3 bytes over every byte.
TEST(sweep, parser_on_every_short_text)
{
	std::string every_byte;
	for (int b = 1; b < 256; b++)
		every_byte += static_cast<char>(b);
	const std::pair<std::string, int> sets[] = {{"\x08\x09\x0d\x0e +,-/09:\x7f\x80\xff", 7},
	                                            {every_byte, 3}};
	for (const auto &set : sets) {
		const std::string &alphabet = set.first;
		const int longest = set.second;
		const auto base = static_cast<std::int64_t>(alphabet.size());
		std::int64_t count = 1;
		for (int size = 0; size <= longest; size++, count *= base) {
			auto text_of = [&](std::int64_t i) {
				std::string text;
				for (int k = 0; k < size; k++, i /= base)
					text += alphabet[static_cast<std::size_t>(i % base)];
				return text;
			};
			auto bad = sweep(0, count - 1, [&](std::int64_t i) {
				std::string text = text_of(i);
				return ku_atoi(text.c_str()) == model::parse(text);
			});
			EXPECT_FALSE(bad) << "ku_atoi of " << show({text_of(*bad)});
		}
	}
}

// Every operator argument of up to two bytes, the high ones included, with
// a zero and a non-zero divisor: recognition, the guard and the table.
TEST(sweep, every_operator_argument)
{
	for (const char *right : {"0", "3"}) {
		auto bad = sweep(0, 0xffff, [right](std::int64_t v) {
			const char op_text[] = {static_cast<char>(v >> 8), static_cast<char>(v),
			                        '\0'};
			std::string want = model::expected({"7", op_text, right});
			length = 0;
			char op = ku_find_operator(op_text);
			if (ku_validate_operation(ku_atoi(right), op))
				ku_do_operation(7, ku_atoi(right), op);
			return std::string(written, length) == want;
		});
		EXPECT_FALSE(bad) << "operator bytes " << std::hex << *bad << ", right " << right;
	}
}

// Truncating division is the only q and r with q * b + r == a, |r| < |b|
// and r of a's sign or 0; q is the true quotient wrapped, which for the one
// that does not fit means 2^32 more.
TEST(sweep, division_and_remainder_on_every_left_operand)
{
	for (int b : {1, -1, 2, -2, 10, -10, INT_MIN, INT_MAX, INT_MIN + 1}) {
		auto bad = sweep(INT_MIN, INT_MAX, [b](std::int64_t a) {
			std::int64_t q = ku_operation_devide(static_cast<int>(a), b);
			std::int64_t r = ku_operation_modulo(static_cast<int>(a), b);
			bool sums = q * b + r == a || (q + model::two32) * b + r == a;
			return sums && std::abs(r) < std::abs(std::int64_t{b}) &&
			       (r == 0 || (r < 0) == (a < 0));
		});
		EXPECT_FALSE(bad) << *bad << " / " << b;
	}
}

TEST(sweep, sum_difference_product_on_every_left_operand)
{
	for (int b : {-1, 2, INT_MIN}) {
		auto bad = sweep(INT_MIN, INT_MAX, [b](std::int64_t a) {
			int i = static_cast<int>(a);
			return ku_operation_add(i, b) == model::wrap(a + b) &&
			       ku_operation_minus(i, b) == model::wrap(a - b) &&
			       ku_operation_multiply(i, b) == model::wrap(a * b);
		});
		EXPECT_FALSE(bad) << *bad << " with " << b;
	}
}
