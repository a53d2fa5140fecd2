// SPDX-License-Identifier: ISC
// Fuzz target: the operand parser alone, against the reference model.

#include "model.hpp"
#include "text_input/text_input.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
	std::string text(reinterpret_cast<const char *>(data), size);
	text.resize(text.find('\0') == std::string::npos ? size : text.find('\0'));
	int value = ku_atoi(text.c_str());
	if (value != model::parse(text)) {
		(void)std::fprintf(stderr, "ku_atoi gave %d, the model %lld\n", value,
		                   static_cast<long long>(model::parse(text)));
		std::abort();
	}
	return 0;
}
