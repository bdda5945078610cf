#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# NEWS.md is the one account of what each version changed; this writes the other
# accounts from it and checks them.
#
#   news.sh changelog NEWS.md MAINTAINER   the Debian changelog, on standard output
#   news.sh releases NEWS.md               the AppStream <releases> element
#   news.sh check NEWS.md CHANGELOG DATA_DIR VERSION
#       fails unless CHANGELOG is what `changelog` writes (with its own maintainer),
#       the newest version is VERSION and the newest section's dictionary counts are
#       the numbers of lines of DATA_DIR/en-ro.txt and DATA_DIR/ro-en.txt.
#
# A section starts "## VERSION (YYYY-MM-DD)"; each change is a "- " line with
# continuation lines indented by two blanks, wrapped short enough for the changelog.
set -euo pipefail

# The sections as lines "version<TAB>date" and "item<TAB>text" (continuations joined
# with "\n"), newest first.
sections() {
    awk '
        /^## / { if (item != "") print "item\t" item; item = ""
                 v = $2; d = $3; gsub(/[()]/, "", d); print "version\t" v "\t" d; next }
        /^- /  { if (item != "") print "item\t" item; item = substr($0, 3); next }
        /^  [^ ]/ && item != "" { item = item "\\n" substr($0, 3); next }
        /^$/   { if (item != "") print "item\t" item; item = "" }
        END    { if (item != "") print "item\t" item }
    ' "$1"
}

changelog() {
    local news=$1 maintainer=$2 versions last first=1
    versions=$(sections "$news" | awk -F'\t' '$1 == "version" { print $2 }')
    last=$(tail -n1 <<<"$versions")
    sections "$news" | {
        version="" date=""
        close_entry() {
            [[ -n $version ]] || return 0
            printf '\n -- %s  %s\n' "$maintainer" "$(LC_ALL=C date -u -R -d "$date 12:00:00 UTC")"
        }
        while IFS=$'\t' read -r kind a b; do
            if [[ $kind == version ]]; then
                close_entry
                ((first)) || echo
                first=0 version=$a date=$b
                printf 'quillet (%s-1) unstable; urgency=medium\n\n' "$version"
                [[ $version == "$last" ]] && echo "  * Initial release."
            else
                printf '%s\n' "$a" | sed -e 's/\\n/\n/g' | sed -e '1s/^/  * /' -e '2,$s/^/    /'
            fi
        done
        close_entry
    }
}

releases() {
    echo "<releases>"
    sections "$1" | sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' | {
        open=0
        while IFS=$'\t' read -r kind a b; do
            if [[ $kind == version ]]; then
                ((open)) && printf '        </ul>\n      </description>\n    </release>\n'
                printf '    <release version="%s" date="%s">\n      <description>\n        <ul>\n' "$a" "$b"
                open=1
            else
                printf '          <li>%s</li>\n' "$(printf '%s' "$a" | sed -e 's/\\n/ /g')"
            fi
        done
        ((open)) && printf '        </ul>\n      </description>\n    </release>\n'
    }
    echo "  </releases>"
}

check() {
    local news=$1 debian_changelog=$2 data=$3 version=$4 maintainer newest counts expected
    maintainer=$(sed -n 's/^ -- \(.*>\)  .*/\1/p' "$debian_changelog" | head -n1)
    if ! diff -u "$debian_changelog" <(changelog "$news" "$maintainer"); then
        echo "$debian_changelog does not say what $news says: write it with" \
             "tools/release/news.sh changelog" >&2
        return 1
    fi
    newest=$(sections "$news" | awk -F'\t' '$1 == "version" { print $2; exit }')
    [[ $newest == "$version" ]] || { echo "$news's newest version is $newest, the build's $version" >&2; return 1; }
    counts=$(sections "$news" | awk -F'\t' '$1 == "version" { n++ } n == 1 && /headwords/' \
        | grep -o '[0-9][0-9,]* [A-Z][a-z]* ' | tr -d ',' | paste -sd' ' | tr -s ' ' | sed 's/ $//')
    expected="$(wc -l <"$data/en-ro.txt") English $(wc -l <"$data/ro-en.txt") Romanian"
    [[ "$counts" == "$expected" ]] \
        || { echo "$news counts \"$counts\", the data has \"$expected\"" >&2; return 1; }
    echo "NEWS.md, the changelog and the data agree"
}

mode=${1:-}
shift || true
case $mode in
    changelog) changelog "$@" ;;
    releases) releases "$@" ;;
    check) check "$@" ;;
    *) echo "usage: news.sh changelog|releases|check ..." >&2; exit 2 ;;
esac
