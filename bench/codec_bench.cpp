// Throughput of Encode, Decode and ConvertLink, reported in bytes/second of
// input. Sizes run from a short link to far more than any real one.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

#include "codec/base64.h"
#include "codec/link_forms.h"
#include "codec/text.h"

namespace {

ByteArray RandomBytes(std::size_t n) {
  std::mt19937_64 rng(n);
  ByteArray bytes(n);
  for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(rng());
  return bytes;
}

// An address-like text of n bytes: printable ASCII, never a 0 byte.
Text AddressOf(std::size_t n) {
  const Text head = "http://example.com/";
  std::mt19937_64 rng(n);
  Text text = TextLeft(head, static_cast<Count>(n));
  while (text.size() < n) text.push_back(static_cast<char>('!' + rng() % 94));
  return text;
}

void SetThroughput(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes));
}

void BM_Encode(benchmark::State& state) {
  const ByteArray input = RandomBytes(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(BASE64类().Encode(input));
  SetThroughput(state, input.size());
}

void BM_Decode(benchmark::State& state) {
  const Text input = BASE64类().Encode(RandomBytes(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(BASE64类().Decode(input));
  SetThroughput(state, input.size());
}

void BM_ConvertThunderToReal(benchmark::State& state) {
  const Text link = ConvertLink(AddressOf(static_cast<std::size_t>(state.range(0))),
                                link_form::Thunder);
  for (auto _ : state) benchmark::DoNotOptimize(ConvertLink(link, link_form::Real));
  SetThroughput(state, link.size());
}

void BM_ConvertRealToThunder(benchmark::State& state) {
  const Text address = AddressOf(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ConvertLink(address, link_form::Thunder));
  SetThroughput(state, address.size());
}

// 64 B, 4 KiB, 256 KiB, 16 MiB, 64 MiB.
void Sizes(benchmark::internal::Benchmark* b) {
  for (const std::int64_t size : {64LL, 4LL << 10, 256LL << 10, 16LL << 20, 64LL << 20}) b->Arg(size);
  b->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_Encode)->Apply(Sizes);
BENCHMARK(BM_Decode)->Apply(Sizes);
BENCHMARK(BM_ConvertThunderToReal)->Apply(Sizes);
BENCHMARK(BM_ConvertRealToThunder)->Apply(Sizes);

}  // namespace
