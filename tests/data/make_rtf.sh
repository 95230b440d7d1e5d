#!/bin/sh
# Writes the RTF test documents and the word processor's own Windows-1251
# text export of each (LibreOffice headless, Debian's libreoffice-writer-nogui):
#  rtf_prose.rtf, rtf_prose.txt: the first 60 lines of prose_cp1251.txt as a document;
#  rtf_rich.rtf, rtf_rich.txt: the document below: heading, emphasis, dashes,
#    quotes, no-break space, soft and non-breaking hyphens, a tab, a line break
#    inside a paragraph, a footnote, header and footer, lists, a one-column
#    table, a page break, a hyperlink (a field) and characters
#    1251 lacks.
# Run from anywhere: sh tests/data/make_rtf.sh
set -e
out=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work"   # a profile of its own
text='txt:Text (encoded):MS_1251,CRLF,,'

head -n 60 "$out/prose_cp1251.txt" > "$work/rtf_prose.txt"
(cd "$work" && soffice --headless --infilter='Text (encoded):MS_1251,LF,,' --convert-to odt rtf_prose.txt >/dev/null)
rm "$work/rtf_prose.txt"

cat > "$work/rtf_rich.fodt" <<'DOC'
<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:xlink="http://www.w3.org/1999/xlink"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.text">
<office:styles>
 <style:style style:name="Bold" style:family="text"><style:text-properties fo:font-weight="bold"/></style:style>
 <style:style style:name="Italic" style:family="text"><style:text-properties fo:font-style="italic"/></style:style>
 <style:style style:name="NewPage" style:family="paragraph"><style:paragraph-properties fo:break-before="page"/></style:style>
 <text:list-style style:name="Bullets"><text:list-level-style-bullet text:level="1" text:bullet-char="•"/></text:list-style>
 <text:list-style style:name="Numbers"><text:list-level-style-number text:level="1" style:num-format="1" style:num-suffix="."/></text:list-style>
</office:styles>
<office:master-styles>
 <style:master-page style:name="Standard"><style:header><text:p>Верхний колонтитул</text:p></style:header><style:footer><text:p>Нижний колонтитул</text:p></style:footer></style:master-page>
</office:master-styles>
<office:body><office:text>
<text:h text:outline-level="1">Заголовок «Пробы»</text:h>
<text:p>Обычный абзац с <text:span text:style-name="Bold">жирным</text:span> и <text:span text:style-name="Italic">курсивом</text:span> — длинное тире, короткое – тоже.</text:p>
<text:p>Кавычки “английские” и ‘одинарные’, многоточие… знак №&#xA0;5, неразрывный&#xA0;пробел.</text:p>
<text:p>Мягкий перенос: пере&#xAD;нос; неразрывный дефис: Санкт&#x2011;Петербург.</text:p>
<text:p>Табуляция:<text:tab/>после неё.</text:p>
<text:p>Строка с разрывом<text:line-break/>вторая строка того же абзаца.</text:p>
<text:p>Сноска здесь<text:note text:id="n1" text:note-class="footnote"><text:note-citation>1</text:note-citation><text:note-body><text:p>Текст сноски.</text:p></text:note-body></text:note> и ещё одна<text:note text:id="n2" text:note-class="footnote"><text:note-citation>2</text:note-citation><text:note-body><text:p>Вторая сноска.</text:p></text:note-body></text:note>.</text:p>
<text:p/>
<text:list text:style-name="Bullets"><text:list-item><text:p>Первый пункт</text:p></text:list-item><text:list-item><text:p>Второй пункт</text:p></text:list-item></text:list>
<text:list text:style-name="Numbers"><text:list-item><text:p>Один</text:p></text:list-item><text:list-item><text:p>Два</text:p></text:list-item></text:list>
<table:table table:name="Table1"><table:table-column/>
<table:table-row><table:table-cell><text:p>Ёлка</text:p></table:table-cell></table:table-row>
<table:table-row><table:table-cell><text:p>Щука и {скобки} \ черта</text:p></table:table-cell></table:table-row>
</table:table>
<text:p text:style-name="NewPage">Новая страница. Ссылка: <text:a xlink:type="simple" xlink:href="http://example.org/">пример ссылки</text:a>.</text:p>
<text:p>Греческая α, символ € и знак ©.</text:p>
</office:text></office:body></office:document>
DOC

for doc in "$work/rtf_prose.odt" "$work/rtf_rich.fodt"; do
    soffice --headless --convert-to 'rtf:Rich Text Format' --outdir "$out" "$doc" >/dev/null
    soffice --headless --convert-to "$text" --outdir "$out" "$doc" >/dev/null
done
