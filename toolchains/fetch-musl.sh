#!/bin/sh
# SPDX-License-Identifier: ISC
# Fetches Debian 13's musl-dev for a Debian architecture and unpacks it into
# DIR, for a target the host's Debian has no musl for (Debian 12 has none
# for riscv64). The host's apt sources with the suite changed, lists kept
# in DIR: it installs nothing and needs no root. It takes the suite's
# current musl, updates included: DIR/source names it as dpkg-query would
# (source package, its version, the package's version), and the packages
# carry that name. DIR/usr is then the musl root.
# Usage: fetch-musl.sh ARCH DIR
set -eu
arch=$1 dir=$2 suite=trixie
host=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ -n "$host" ] || { echo "not a Debian host: no apt sources to take" >&2; exit 1; }
rm -rf "$dir"
mkdir -p "$dir/apt/sources" "$dir/apt/lists/partial" "$dir/apt/cache"
for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
	[ ! -f "$list" ] || sed "s/\\b$host\\b/$suite/g" "$list" >"$dir/apt/sources/${list##*/}"
done
[ -f "$dir/apt/sources/sources.list" ] || : >"$dir/apt/sources/sources.list"
apt() {
	apt-get -qq -o Dir::Etc::SourceList="$dir/apt/sources/sources.list" \
		-o Dir::Etc::SourceParts="$dir/apt/sources" -o Dir::State::Lists="$dir/apt/lists" \
		-o Dir::Cache="$dir/apt/cache" -o APT::Architecture="$arch" -o APT::Architectures::="$arch" \
		-o APT::Sandbox::User=root -o Debug::NoLocking=1 "$@"
}
# A source that fails is no matter while musl-dev comes from another.
apt update >"$dir/apt/update.log" 2>&1 || true
(cd "$dir/apt" && apt download musl-dev 2>/dev/null) ||
	{ grep -m1 . "$dir/apt/update.log" >&2 || echo "Debian 13 has no musl-dev for $arch" >&2; exit 1; }
deb=$(ls "$dir"/apt/musl-dev_*.deb)
dpkg-deb -x "$deb" "$dir"
dpkg-deb -W --showformat='${source:Package} ${source:Version} ${Version}\n' "$deb" >"$dir/source"
cut -d' ' -f1,2 "$dir/source"
