<?php
// Saves the account of the site `oldid` and answers its registered name.
$account = find_account(arg('oldid'));
if (!$account && trim(arg('oldid')) !== '') {
  $name = free_site_name(arg('oldid'));
  db()->prepare('INSERT INTO accounts (unixname) VALUES (?)')->execute([$name]);
  make_site_folder($name);
  $account = find_account($name);
}
if ($account) {
  $fields = ['firstname' => arg('fname'), 'lastname' => arg('lname'), 'email' => arg('email'),
             'password' => arg('password'), 'domain' => arg('domain'),
             'ftphost' => arg('ftphost'), 'ftpusername' => arg('ftpusername'),
             'ftppassword' => arg('ftppassword'), 'ftpport' => arg('ftpport'),
             'ftppath' => arg('ftppath'), 'enabled' => arg('moxasitestatus') === 'disable' ? 0 : 1];
  $package = arg('hostingpackage');
  if (in_array($package, ['free', 'plus', 'max'], true)) $fields['hostingpackage'] = $package;
  update_account($account['unixname'], $fields);
  echo $account['unixname'];
}
