# SPDX-License-Identifier: ISC
# How each tool that checks packages is run, for the scripts that source
# this file: lintian with every tag but two (Debian 12's lintian predates
# the Static-Built-Using field; an initial upload closes no ITP bug here),
# rpmlint strict with packaging/rpmlint.toml, and reprotest varying all it
# varies by default but the user, which it drives with a sudo -h that
# Debian 12's sudo refuses.
lint_deb() {
	lintian -EvIL +pedantic --fail-on error,warning,info,pedantic \
		--suppress-tags unknown-field,initial-upload-closes-no-bugs "$@"
}
lint_rpm() { rpmlint --strict -c "$(dirname "${BASH_SOURCE[0]}")/../packaging/rpmlint.toml" "$@"; }
# reproduce CLONE COMMAND ARTIFACTS
reproduce() { reprotest --vary=-user_group -c "$2" "$1" "$3"; }
