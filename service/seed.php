<?php
// Creates the service's database and seeds the demo account: the site
// "demo", published from template 1 with its four pages, for trying the
// program's Site Login on a fresh machine.
//   php seed.php   (environment as service/start sets it)
require_once __DIR__ . '/lib/config.php';
require_once __DIR__ . '/lib/db.php';
require_once __DIR__ . '/lib/names.php';
require_once __DIR__ . '/lib/records.php';

const DEMO_EMAIL = 'demo@moxa.test';
const DEMO_PASSWORD = 'demo-site-1';
const DEMO_TEMPLATE = 1;

// A page as the program uploads it: the HTML in a PHP string, page links
// through the front page, template files and pictures at absolute addresses.
function wrap_page_as_php(string $text, string $site, int $template): string {
  $base = 'http://' . service_host();
  $text = str_replace('\\', '\\\\', $text);
  $text = str_ireplace('moxa_img', "$base/moxasites/$site/moxa_img", $text);
  $text = str_replace('bin/', "$base/wbx/templates/$template/bin/", $text);
  $text = str_ireplace(['href="', "href='"], ['href="/?p=', "href='/?p="], $text);
  $text = str_ireplace(['/?p=http', '/?p=ftp', '/?p=mailto:'], ['http', 'ftp', 'mailto:'], $text);
  $text = str_replace(['"', '$'], ['\\"', '\\$'], $text);
  return "<?php\r\n\r\n\$html = \"$text\";\r\n\r\n?>\r\n";
}

function page_title(string $html): string {
  return preg_match('#<title>(.*?)</title>#s', $html, $m) ? trim(html_entity_decode($m[1])) : '';
}

function seed_demo(): void {
  if (find_account('demo')) return;
  $pages = [['index', 'Home'], ['about-us', 'About Us'], ['picture-gallery', 'Picture Gallery'],
            ['contact-us', 'Contact Us']];
  make_site_folder('demo');
  $list = '';
  foreach ($pages as $i => [$file, $label]) {
    $html = file_get_contents(data_dir() . '/templates/' . DEMO_TEMPLATE . "/$file.html");
    // The menus as site creation leaves them: every item links to its page file.
    $html = preg_replace('#href="(\./|index\.php)"#', 'href="index.html"', $html);
    $html = preg_replace('#href="(about-us|picture-gallery|contact-us)\.php"#', 'href="$1.html"', $html);
    file_put_contents(site_folder('demo') . "/$file.html.php", wrap_page_as_php($html, 'demo', DEMO_TEMPLATE));
    $list .= page_record([$file, $label, page_title($html), '', '', '', '', '', '', '', '', '',
                          'true', $i === 0 ? 'true' : 'false', 'false']);
  }
  db()->prepare('INSERT INTO accounts (unixname, email, password, firstname, lastname, pages)
                 VALUES (?, ?, ?, ?, ?, ?)')
      ->execute(['demo', DEMO_EMAIL, DEMO_PASSWORD, 'Dana', 'Demo', $list]);
}

if (!is_dir(state_dir())) mkdir(state_dir(), 0700, true);
seed_demo();
