#!/usr/bin/python3
"""The operator's guide as one self-contained HTML page.

  guide_html.py GUIDE.md VERSION OUT.html

Markdown by python3-markdown (Debian); the program's version is put under
the title, the style is inline: the page opens from the package as it is.
"""
import html
import re
import sys

import markdown

STYLE = """
body { font-family: sans-serif; max-width: 52em; margin: 2em auto; padding: 0 1em; line-height: 1.45; color: #111; }
h1, h2, h3 { line-height: 1.2; }
h2 { border-bottom: 1px solid #bbb; padding-bottom: .2em; margin-top: 2em; }
pre { background: #000080; color: #e0e0e0; padding: .6em; overflow-x: auto; line-height: 1.15;
      font-family: "Cascadia Mono", Consolas, "DejaVu Sans Mono", monospace; font-size: 0.9em; }
code { font-family: "Cascadia Mono", Consolas, "DejaVu Sans Mono", monospace; }
table { border-collapse: collapse; margin: 1em 0; }
th, td { border: 1px solid #aaa; padding: .25em .5em; vertical-align: top; text-align: left; }
th { background: #eee; }
.wersja { color: #555; }
.toc { background: #f6f6f6; padding: .5em 1em; }
"""


def main():
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    source, version, out = sys.argv[1:]
    with open(source, encoding="utf-8") as f:
        text = f.read()
    md = markdown.Markdown(extensions=["tables", "fenced_code", "toc"],
                           extension_configs={"toc": {"title": "Spis treści", "toc_depth": "2"}},
                           output_format="html5")
    body = md.convert(text)
    title = re.search(r"<h1[^>]*>(.*?)</h1>", body, re.S)
    title_text = re.sub(r"<[^>]+>", "", title.group(1)) if title else "vx17-18"
    if title:
        body = body.replace(title.group(0), title.group(0) +
                            f'\n<p class="wersja">Wersja programu: {html.escape(version)}</p>\n' + md.toc, 1)
    page = (f'<!DOCTYPE html>\n<html lang="pl">\n<head>\n<meta charset="utf-8">\n'
            f"<title>{title_text}</title>\n<style>{STYLE}</style>\n</head>\n<body>\n{body}\n</body>\n</html>\n")
    with open(out, "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    main()
